#pragma once
// The text of a masked date or time field as its parser reads it.
#include <QString>

namespace KTX {
namespace GUI {
namespace MaskedText {

// The editor shows the unfilled places of its mask as spaces; they are no part of the value.
inline QString compact(const QString& strText)
{
    QString strCompact = strText.trimmed();
    strCompact.remove(QLatin1Char(' '));
    return strCompact;
}

} // namespace MaskedText
} // namespace GUI
} // namespace KTX
