#pragma once
// Texts laid out once and drawn many times: captions and titles that every screen entry paints.
// Their number is bounded by the menus and languages, so they are kept for the process's life.
#include <QFont>
#include <QStaticText>
#include <QString>

namespace V40 {
namespace GUI {
namespace UTI {

// The plain text laid out in rFont; only for the GUI thread.
const QStaticText& staticText(const QString& strText, const QFont& rFont);

} // namespace UTI
} // namespace GUI
} // namespace V40
