#pragma once
// Tells when the simulated instrument's settings changed, whoever changed them: the simulator
// control tool in another process, a test, the instrument's own facades. It sleeps on a
// file-system notification of the settings file's folder and wakes only when something
// happened there.
#include <QStringList>

#include <functional>

namespace VSIM {

// Gets the keys (of the setting table) whose values changed, sorted.
using SettingsChangedFn = std::function<void(const QStringList& lstChangedKeys)>;

class SettingsWatcherC
{
public:
    // Subscribers are called on the watcher's own thread, as the instrument's notifications
    // come, once per change of the file. The watcher starts with the first subscriber and sees
    // every change made after subscribe() returned. Returns the id for unsubscribe().
    static int subscribe(const SettingsChangedFn& fnChanged);
    // Starts the watcher without waiting for it: a process that subscribes soon after calls it
    // first, so that its subscribe() finds the watcher ready.
    static void start();
    // Once it returned, the subscriber is not called any more (also when called from one).
    static void unsubscribe(int iId);
};

namespace TEST {

// How often the watcher's thread woke up, and how often it told its subscribers.
int settingsWatcherWakeUps();
int settingsWatcherNotifications();

} // namespace TEST
} // namespace VSIM
