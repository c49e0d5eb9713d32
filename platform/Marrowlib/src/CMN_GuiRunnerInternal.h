#pragma once

namespace CMN {

class GuiEventLoopI;

// A loop that goes away while it is shown is quit first.
void forgetGuiLoop(GuiEventLoopI* pLoop);

} // namespace CMN
