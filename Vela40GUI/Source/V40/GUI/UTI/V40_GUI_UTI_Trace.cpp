#include "V40_GUI_UTI_Trace.h"

#include <atomic>

namespace V40 {
namespace GUI {
namespace UTI {

namespace {
// On by default in the simulator when the platform log is mirrored to stderr.
std::atomic<bool> s_bTraceEnabled{qgetenv("KESTRA_TRACE") == "stderr"};
} // namespace

bool isTraceEnabled()
{
    return s_bTraceEnabled.load();
}

void setTraceEnabled(bool bEnabled)
{
    s_bTraceEnabled.store(bEnabled);
}

} // namespace UTI
} // namespace GUI
} // namespace V40
