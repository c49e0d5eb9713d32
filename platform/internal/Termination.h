#pragma once

namespace KestraPlatform {

// From now on SIGTERM and SIGINT post WM_CLOSE to the receiver window, as soon as there is one.
void installTerminationHandlers();

} // namespace KestraPlatform
