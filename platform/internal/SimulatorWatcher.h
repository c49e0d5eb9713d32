#pragma once
// Wakes the platform when the simulator control tool changed the simulated instrument: it sets
// the named event "Kestra_SimulatorChanged" after writing the simulator settings.
#include <functional>

namespace KestraPlatform {
namespace SimulatorWatcher {

// Listeners run on the watcher's own thread; the watcher starts with the first listener.
void addListener(const std::function<void()>& fnListener);

} // namespace SimulatorWatcher
} // namespace KestraPlatform
