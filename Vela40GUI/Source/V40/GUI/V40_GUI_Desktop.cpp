#include "V40_GUI_Desktop.h"

namespace V40 {
namespace GUI {

DesktopC::DesktopC(QObject* parent)
    : QObject(parent)
    , m_oQuitEvent(0)
{
}

DesktopC::~DesktopC()
{
    // Unregistering quits a running loop and waits for it, so the event outlives every wait.
    CMN::GuiRegistryC::unregisterGuiEventLoop(this);
}

void DesktopC::run()
{
    emit started();
    m_oQuitEvent.wait();
    emit stopped();
}

void DesktopC::quit()
{
    m_oQuitEvent.set();
}

} // namespace GUI
} // namespace V40
