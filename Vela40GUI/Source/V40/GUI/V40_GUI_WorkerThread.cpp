#include "V40_GUI_WorkerThread.h"

#include "Ferrolib/BSS_Assert.h"

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_WorkerThread", __LINE__)

namespace V40 {
namespace GUI {

WorkerThreadC* WorkerThreadC::s_pInstance = nullptr;

WorkerThreadC::WorkerThreadC()
    : BSS::TSK::WorkerTaskC(51, "tC_WorkerThread", 96, 550, 1)
{
    if (s_pInstance)
        V40_GUI_REPORT("0 == s_pInstance");
    else
        s_pInstance = this;
}

WorkerThreadC::~WorkerThreadC()
{
    // Commands still queued run to their end while instance() still answers.
    stopComponent(0);
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

WorkerThreadC* WorkerThreadC::instance()
{
    if (!s_pInstance)
        V40_GUI_REPORT("0 != s_pInstance");
    return s_pInstance;
}

} // namespace GUI
} // namespace V40
