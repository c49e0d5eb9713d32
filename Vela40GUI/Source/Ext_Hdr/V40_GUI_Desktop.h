#pragma once
// The object through which the platform shows and hides the GUI. The platform calls run() on
// its own thread for every GUI start and quit() to end it; started() and stopped() carry the
// start and the end to the GUI thread through queued connections.
#include "Ferrolib/BSS_SYS_Event.h"
#include "Marrowlib/CMN_GuiEventLoop.h"

#include <QObject>

namespace V40 {
namespace GUI {

class DesktopC : public QObject, public CMN::GuiEventLoopI
{
    Q_OBJECT

public:
    explicit DesktopC(QObject* parent = nullptr);
    // Leaves the GUI registry first, which ends a run still in progress.
    ~DesktopC() override;

    // Emits started(), waits until quit(), emits stopped().
    void run() override;
    void quit() override;

signals:
    void started();
    void stopped();

private:
    BSS::SYS::EventC m_oQuitEvent;
};

} // namespace GUI
} // namespace V40
