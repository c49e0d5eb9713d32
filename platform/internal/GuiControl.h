#pragma once
// Shows and hides the GUI by running the registered GUI loop on a platform thread.

namespace CMN {
class GuiEventLoopI;
}

namespace KestraPlatform {
namespace GuiControl {

bool show();
// Quits the loop and waits until its run() returned.
bool hide();
bool isShown();
void forgetLoop(CMN::GuiEventLoopI* pLoop);

} // namespace GuiControl
} // namespace KestraPlatform
