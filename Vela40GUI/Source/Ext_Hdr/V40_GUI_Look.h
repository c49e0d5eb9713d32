#pragma once
// The shared look of every frame widget on the 640x480 screen.
#include <QColor>
#include <QFont>
#include <QString>

namespace V40 {
namespace GUI {

// "Liberation Mono" stands in for it on the desktop (same metrics).
extern const QString g_strFontFamily;
extern const int g_iFontWeight;
extern const QColor g_oTitleColor;
extern const QColor g_oBarColor;
extern const int g_iDisplayWidth;
extern const int g_iDisplayHeight;

// The look's font, bold, in the size given in points of the instrument's screen. It is sized in
// pixels, so that no host's dpi changes a 640x480 layout.
QFont lookFont(int iPointSize);
// Loads the look's font in every size its screens use, so that a screen shown later does not
// wait for its font to be found and set up.
void prepareLookFonts();

} // namespace GUI
} // namespace V40
