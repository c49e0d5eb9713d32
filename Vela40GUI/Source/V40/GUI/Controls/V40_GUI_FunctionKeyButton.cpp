#include "V40_GUI_FunctionKeyButton.h"

#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace V40 {
namespace GUI {

FunctionKeyButtonC::FunctionKeyButtonC(int iKey, const QString& strText, QWidget* parent)
    : QPushButton(parent)
    , m_iKey(iKey)
{
    setText(strText.isEmpty() ? defaultText() : strText);
    setFixedSize(104, 44);
    setFont(lookFont(16));
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("QPushButton {margin: 1px;border-color: black;border-style: solid;"
                                 "border-radius: 10px;border-width: 2px;}"
                                 "QPushButton:pressed {background-color: #C2C5C8;}")
                  + QStringLiteral("QPushButton {background-color:%1;}").arg(g_oBarColor.name()));
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

FunctionKeyButtonC::~FunctionKeyButtonC() = default;

int FunctionKeyButtonC::key() const
{
    return m_iKey;
}

QString FunctionKeyButtonC::defaultText() const
{
    return QStringLiteral("F%1").arg(m_iKey - Qt::Key_F1 + 1);
}

void FunctionKeyButtonC::onClicked()
{
    if (MainWindowC* pMainWindow = MainWindowC::instance())
        pMainWindow->simulateKeyPress(m_iKey);
}

void FunctionKeyButtonC::paintEvent(QPaintEvent*)
{
    QStylePainter oPainter(this);
    QStyleOptionButton oOption;
    initStyleOption(&oOption);
    if (!isEnabled())
        oOption.text.clear();
    oPainter.drawControl(QStyle::CE_PushButton, oOption);
}

} // namespace GUI
} // namespace V40
