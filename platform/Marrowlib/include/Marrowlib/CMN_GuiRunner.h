#pragma once
// Shows and hides the GUI by running the registered GUI loop on a platform thread: what the
// start-up configuration's show and hide GUI do.

namespace CMN {

class GuiRunnerC
{
public:
    // False when no loop is registered or it runs already.
    static bool show();
    // Quits the loop and waits until its run() returned; false when none was shown.
    static bool hide();
};

} // namespace CMN
