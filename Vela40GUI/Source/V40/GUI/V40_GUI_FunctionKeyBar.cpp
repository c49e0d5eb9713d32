#include "V40_GUI_FunctionKeyBar.h"

#include "V40_GUI_FunctionKeyButton.h"
#include "V40_GUI_Look.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"

#include <QHBoxLayout>

namespace V40 {
namespace GUI {

FunctionKeyBarC::FunctionKeyBarC(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(g_iDisplayWidth, 48);
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, Qt::white);
    setPalette(oPalette);
    setAutoFillBackground(true);
    QHBoxLayout* pLayout = new QHBoxLayout(this);
    // Six 104-pixel buttons and five gaps of 2 leave 3 pixels at either side.
    pLayout->setContentsMargins(3, 2, 3, 2);
    pLayout->setSpacing(2);
    for (int iKey = Qt::Key_F1; iKey <= Qt::Key_F6; ++iKey) {
        FunctionKeyButtonC* pButton = new FunctionKeyButtonC(iKey, QString(), this);
        m_hashButtons.insert(iKey, pButton);
        pLayout->addWidget(pButton);
    }
}

FunctionKeyBarC::~FunctionKeyBarC() = default;

void FunctionKeyBarC::setButton(int iKey, int iToken)
{
    FunctionKeyButtonC* pButton = checkedButton(iKey, __LINE__);
    if (!pButton)
        return;
    pButton->setText(iToken == 0 ? pButton->defaultText() : LNG::getTextToken(iToken));
    pButton->setEnabled(true);
}

void FunctionKeyBarC::setButtonEnabled(int iKey, bool bEnabled)
{
    if (FunctionKeyButtonC* pButton = checkedButton(iKey, __LINE__))
        pButton->setEnabled(bEnabled);
}

void FunctionKeyBarC::setAllButtonsEnabled(bool bEnabled)
{
    for (FunctionKeyButtonC* pButton : qAsConst(m_hashButtons))
        pButton->setEnabled(bEnabled);
}

FunctionKeyButtonC* FunctionKeyBarC::button(int iKey) const
{
    return m_hashButtons.value(iKey, nullptr);
}

void FunctionKeyBarC::prepareFace(int iKey, int iToken)
{
    if (FunctionKeyButtonC* pButton = checkedButton(iKey, __LINE__))
        pButton->prepareFace(iToken == 0 ? pButton->defaultText() : LNG::getTextToken(iToken), true);
}

void FunctionKeyBarC::prepareMenuFaces()
{
    for (FunctionKeyButtonC* pButton : qAsConst(m_hashButtons))
        pButton->prepareFace(pButton->defaultText(), true);
    if (FunctionKeyButtonC* pButton = button(Qt::Key_F1))
        pButton->prepareFace(QString(), false);
}

FunctionKeyButtonC* FunctionKeyBarC::checkedButton(int iKey, int iLine) const
{
    FunctionKeyButtonC* pButton = button(iKey);
    if (!pButton)
        BSS_ASSERT_REPORT("Invalid function key button requested.", "V40_GUI_FunctionKeyBar", iLine);
    return pButton;
}

} // namespace GUI
} // namespace V40
