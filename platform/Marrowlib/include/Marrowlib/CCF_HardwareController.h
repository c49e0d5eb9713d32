#pragma once
// The instrument's hardware controller. While a measurement runs it notifies whenever the
// sensors have new data, about ten times a second, on a thread of its own.
#include "Ferrolib/BSS_TSK_Command.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace CCF {

class HardwareControllerC
{
public:
    static constexpr int NOTIFY_INTERVAL_MS = 100;

    HardwareControllerC();
    ~HardwareControllerC();
    HardwareControllerC(const HardwareControllerC&) = delete;
    HardwareControllerC& operator=(const HardwareControllerC&) = delete;

    // Commands subscribed here run on the controller's thread.
    BSS::TSK::CommandSourceC& notificationSource();

    // Counted: notifications run from the first start to the last stop. The last stop returns
    // once no notification runs any more, unless it comes from a notification itself.
    // Start and stop come from one thread (or from the notifications).
    void startNotifying();
    void stopNotifying();
    bool isNotifying() const;

private:
    void run();

    BSS::TSK::CommandSourceC m_oSource;
    mutable std::mutex m_oMutex;
    std::condition_variable m_oWake;
    std::condition_variable m_oIdle;
    // Made with the controller and kept, waiting without a timeout while stopped: a measurement
    // that starts or stops does not make or end a thread.
    std::thread m_oThread;
    int m_iStarts;
    // Counts the starts from stopped: a start begins a full interval before the first notification.
    unsigned m_uRound;
    bool m_bStop;
    bool m_bFiring;
    bool m_bQuit;
};

// Null while no instrument is present; the simulated instrument is always there.
HardwareControllerC* getHardwareController();

} // namespace CCF
