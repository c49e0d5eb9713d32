#include "V40_GUI_IconBar.h"

#include "V40_GUI_Look.h"

#include <QHBoxLayout>
#include <QLabel>

namespace V40 {
namespace GUI {

IconBarC::IconBarC(const QString& strText, int iFontSize, QWidget* parent)
    : QWidget(parent)
    , m_iFontSize(iFontSize)
    , m_pLabel(new QLabel(strText, this))
{
    setFixedSize(g_iDisplayWidth, 64);
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, g_oBarColor);
    setPalette(oPalette);
    setAutoFillBackground(true);
    m_pLabel->setFont(lookFont(m_iFontSize));
    QHBoxLayout* pLayout = new QHBoxLayout(this);
    // In pixels: the style's default margins grow with the host's dpi.
    pLayout->setContentsMargins(9, 9, 9, 9);
    pLayout->addWidget(m_pLabel);
}

IconBarC::~IconBarC() = default;

QString IconBarC::text() const
{
    return m_pLabel->text();
}

void IconBarC::setText(const QString& strText)
{
    m_pLabel->setText(strText);
}

} // namespace GUI
} // namespace V40
