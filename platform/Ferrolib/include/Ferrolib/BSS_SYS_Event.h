#pragma once
// Event objects of the platform. A named event is shared with every process of the same
// simulator root; flag 1 makes an event manual-reset (it stays set until reset).
#include <windows.h>

namespace BSS {
namespace SYS {

class EventC
{
public:
    enum FlagsE { AUTO_RESET = 0, MANUAL_RESET = 1 };

    explicit EventC(int iFlags = AUTO_RESET);
    explicit EventC(const char* strName, int iFlags = AUTO_RESET);
    ~EventC();
    EventC(const EventC&) = delete;
    EventC& operator=(const EventC&) = delete;

    bool isValid() const;
    bool set();
    bool reset();
    // True when the event was set within the time.
    bool wait(unsigned int uMilliseconds);
    bool wait();
    HANDLE nativeHandle() const;

private:
    HANDLE m_hEvent;
};

} // namespace SYS
} // namespace BSS
