#pragma once
// The format service: formats the system memory, and prepares the device configuration for the
// format of a removable memory device (the basic services format it, CMN_Format.h).
//
// A removable device is formatted only after the whole preparation, in this order: the device
// configuration is prepared for the device (here), the device is unmounted and the device
// configuration library stops its use of the device and commits the change (Corvane,
// CFA_DeviceConfiguration.h), and only then the basic services format it. Each step refuses
// when the one before it is missing, so a device is never formatted while something uses it.
#include "Ferrolib/BSS_TSK_Command.h"

namespace CCF {

// formatMemory's argument for the system memory (the internal memory, device 0 of the path map).
constexpr int FORMAT_SYSTEM_MEMORY = 2;

enum FormatResultE {
    RC_FORMAT_OK = 0,
    RC_FORMAT_NOT_AVAILABLE = 0x2000002, // the device is not there
    RC_FORMAT_UNKNOWN_DEVICE = 0x2000014,
    RC_FORMAT_NOT_PREPARED = 0x2000015, // a step of the preparation is missing
    RC_FORMAT_FAILED = 0x2000016        // the device could not be emptied
};

// The steps of the preparation, in order.
enum FormatStageE { FORMAT_STAGE_NONE = 0, FORMAT_STAGE_PREPARED = 1, FORMAT_STAGE_RELEASED = 2, FORMAT_STAGE_COMMITTED = 3 };

// Formats the memory named by the argument (only FORMAT_SYSTEM_MEMORY).
int formatMemory(int iArgument);

// First step of a removable device's format: the device (a device manager type, only the SD card
// 4) and two arguments of the device configuration (1, 0 for a format).
int prepareDeviceConfiguration(int iDeviceType, int iMode, int iFlags);
// The device being prepared, or -1.
int preparedDeviceType();
int formatStage();
// Moves from stage iStage - 1 to iStage; false (and nothing changes) from any other stage.
bool advanceFormatStage(int iStage);
// Ends a preparation, done or not.
void resetFormatPreparation();

// Removes everything on a memory device of the path map (BSS::HAL::DeviceE), its root folder
// stays; then the formatted-device source fires with the device number, so that the platform
// recreates the device's default directories.
int eraseMemoryDevice(int iPathMapDevice);
BSS::TSK::CommandSourceC& formattedDeviceSource();

} // namespace CCF
