#include "V40_GUI_Look.h"

namespace V40 {
namespace GUI {

const QString g_strFontFamily = QStringLiteral("Courier New");
const int g_iFontWeight = QFont::Bold; // 75
const QColor g_oTitleColor(244, 125, 53);
const QColor g_oBarColor(210, 210, 230);
const int g_iDisplayWidth = 640;
const int g_iDisplayHeight = 480;

QFont lookFont(int iPointSize)
{
    QFont oFont(g_strFontFamily, iPointSize, g_iFontWeight);
    return oFont;
}

} // namespace GUI
} // namespace V40
