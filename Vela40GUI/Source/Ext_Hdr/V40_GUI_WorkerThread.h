#pragma once
// The GUI framework's worker thread: long operations (a file upload, for instance) are posted
// to it as commands and run there in order. Its holder makes it a child component, so it runs
// while the holder is started.
#include "Ferrolib/BSS_TSK_WorkerTask.h"

namespace V40 {
namespace GUI {

class WorkerThreadC : public BSS::TSK::WorkerTaskC
{
public:
    WorkerThreadC();
    ~WorkerThreadC() override;

    // The worker thread; null (and a report) when there is none.
    static WorkerThreadC* instance();

private:
    static WorkerThreadC* s_pInstance;
};

} // namespace GUI
} // namespace V40
