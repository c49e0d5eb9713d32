#include "Ferrolib/BSS_SYS_Event.h"

#include <QString>

namespace BSS {
namespace SYS {

EventC::EventC(int iFlags)
    : m_hEvent(CreateEventW(nullptr, (iFlags & MANUAL_RESET) ? TRUE : FALSE, FALSE, nullptr))
{
}

EventC::EventC(const char* strName, int iFlags)
    : m_hEvent(CreateEventW(nullptr, (iFlags & MANUAL_RESET) ? TRUE : FALSE, FALSE,
                            QString::fromLatin1(strName ? strName : "").toStdWString().c_str()))
{
}

EventC::~EventC()
{
    if (m_hEvent)
        CloseHandle(m_hEvent);
}

bool EventC::isValid() const
{
    return m_hEvent != nullptr;
}

bool EventC::set()
{
    return SetEvent(m_hEvent) != FALSE;
}

bool EventC::reset()
{
    return ResetEvent(m_hEvent) != FALSE;
}

bool EventC::wait(unsigned int uMilliseconds)
{
    return m_hEvent && WaitForSingleObject(m_hEvent, uMilliseconds) == WAIT_OBJECT_0;
}

bool EventC::wait()
{
    return wait(INFINITE);
}

HANDLE EventC::nativeHandle() const
{
    return m_hEvent;
}

} // namespace SYS
} // namespace BSS
