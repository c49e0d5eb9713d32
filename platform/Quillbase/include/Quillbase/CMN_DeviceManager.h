#pragma once
// The device manager of the basic system services: which memory devices can be used right now.

namespace CMN {

// Memory device types of the device manager (not the device numbers of the path map).
enum MemoryDeviceTypeE { MEMORY_DEVICE_SDCARD = 4 };

// True while a memory device of the type is inserted and usable. On the simulator the SD card
// is there while the setting Configuration/SDCard is 1 and its folder exists; other types are
// not simulated and are never available.
bool isMemoryDeviceAvailable(int iDeviceType);

} // namespace CMN
