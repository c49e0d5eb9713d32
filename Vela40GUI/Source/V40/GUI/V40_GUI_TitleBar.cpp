#include "V40_GUI_TitleBar.h"

#include "V40_GUI_ExitButton.h"
#include "V40_GUI_Look.h"

#include <QHBoxLayout>
#include <QLabel>

namespace V40 {
namespace GUI {

TitleBarC::TitleBarC(const QString& strTitle, QWidget* parent)
    : QWidget(parent)
    , m_pLabel(new QLabel(strTitle, this))
    , m_pExitButton(new ExitButtonC(this))
{
    setFixedSize(g_iDisplayWidth, 40);
    setContentsMargins(10, 0, 0, 0);
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, g_oTitleColor);
    setPalette(oPalette);
    setAutoFillBackground(true);
    m_pLabel->setFont(lookFont(24));
    QHBoxLayout* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pLabel, 0, Qt::AlignLeft | Qt::AlignVCenter);
    pLayout->addWidget(m_pExitButton, 0, Qt::AlignRight | Qt::AlignTop);
}

TitleBarC::~TitleBarC() = default;

QString TitleBarC::title() const
{
    return m_pLabel->text();
}

void TitleBarC::setTitle(const QString& strTitle)
{
    m_pLabel->setText(strTitle);
}

ExitButtonC* TitleBarC::exitButton() const
{
    return m_pExitButton;
}

} // namespace GUI
} // namespace V40
