#pragma once
// Texts laid out or measured once and drawn many times: captions, titles and choices that every
// screen entry paints or fits. Their number is bounded by the screens and languages, so they are
// kept for the process's life. Only for the GUI thread.
#include <QFont>
#include <QStaticText>
#include <QString>

namespace V40 {
namespace GUI {
namespace UTI {

// The plain text laid out in rFont.
const QStaticText& staticText(const QString& strText, const QFont& rFont);
// The text's advance in rFont, as QFontMetrics::horizontalAdvance() gives it.
int textAdvance(const QString& strText, const QFont& rFont);

} // namespace UTI
} // namespace GUI
} // namespace V40
