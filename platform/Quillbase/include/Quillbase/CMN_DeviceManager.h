#pragma once
// The device manager of the basic system services: which memory devices can be used right now.

namespace CMN {

// Memory device types of the device manager (not the device numbers of the path map).
enum MemoryDeviceTypeE { MEMORY_DEVICE_INTERNAL = 0, MEMORY_DEVICE_FLASH = 2, MEMORY_DEVICE_SDCARD = 4 };

// True while a memory device of the type is inserted, mounted and usable. On the simulator the
// internal memory and the flash are always there; the SD card while the setting
// Configuration/SDCard is 1, its folder exists and it is mounted. Other types are not simulated
// and are never available.
bool isMemoryDeviceAvailable(int iDeviceType);

// Only the SD card can be taken out of use (for a format) and back; false for other types.
// A card that is taken out of use stays so until it is mounted again, in this process.
bool unmountMemoryDevice(int iDeviceType);
bool mountMemoryDevice(int iDeviceType);
bool isMemoryDeviceMounted(int iDeviceType);

// The path map's device number of a memory device type (BSS::HAL::DeviceE), -1 for types that
// are not simulated.
int pathMapDevice(int iDeviceType);

} // namespace CMN
