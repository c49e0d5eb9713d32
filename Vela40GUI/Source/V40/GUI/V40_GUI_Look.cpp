#include "V40_GUI_Look.h"

#include <QFontMetrics>

namespace V40 {
namespace GUI {

const QString g_strFontFamily = QStringLiteral("Courier New");
const int g_iFontWeight = QFont::Bold; // 75
const QColor g_oTitleColor(244, 125, 53);
const QColor g_oBarColor(210, 210, 230);
const int g_iDisplayWidth = 640;
const int g_iDisplayHeight = 480;

namespace {
// The instrument's screen: its point sizes are pixels at this resolution.
constexpr int s_iScreenDpi = 96;
constexpr int s_iPointsPerInch = 72;
// From the message panel's smallest text to the title.
constexpr int s_iSmallestPointSize = 12;
constexpr int s_iLargestPointSize = 24;
} // namespace

QFont lookFont(int iPointSize)
{
    QFont oFont(g_strFontFamily);
    oFont.setPixelSize((iPointSize * s_iScreenDpi + s_iPointsPerInch / 2) / s_iPointsPerInch);
    oFont.setWeight(g_iFontWeight);
    return oFont;
}

void prepareLookFonts()
{
    for (int iPointSize = s_iSmallestPointSize; iPointSize <= s_iLargestPointSize; ++iPointSize)
        QFontMetrics(lookFont(iPointSize)).horizontalAdvance(QLatin1Char('0'));
    // Widgets measure in it until they are put on a page.
    QFontMetrics(QFont()).horizontalAdvance(QLatin1Char('0'));
}

} // namespace GUI
} // namespace V40
