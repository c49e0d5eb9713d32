#pragma once
// The GUI framework's trace switch: its debug lines are written only while it is on.
#include <QDebug>

namespace V40 {
namespace GUI {
namespace UTI {

bool isTraceEnabled();
void setTraceEnabled(bool bEnabled);

} // namespace UTI
} // namespace GUI
} // namespace V40

// Debug stream that stays silent while the trace switch is off.
#define V40_TRACE                                                                                  \
    if (!::V40::GUI::UTI::isTraceEnabled()) {                                                      \
    } else                                                                                         \
        qDebug().noquote()
