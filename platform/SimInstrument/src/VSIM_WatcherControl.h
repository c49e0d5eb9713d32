#pragma once

namespace VSIM {

// The simulator's settings moved to another file: a running watcher follows them there.
void retargetSettingsWatcher();

} // namespace VSIM
