#pragma once
// The update service: installs the upload file handed over with CCF::setUpdateFilePath.
//
// The file's object goes to the loader that the factory registered for its object type creates
// (CMN::FirmwareAccessorC's loader registry). The load runs on a loader thread of the platform;
// the call returns when it has ended. A loader may hand work to the GUI thread and wait for it,
// so the call is refused on the GUI thread.

namespace CMN {

enum UpdateResultE {
    RC_UPDATE_OK = 0,
    RC_UPDATE_NO_FILE = 0x3106001,          // no path, or the file cannot be read
    RC_UPDATE_INVALID_FILE = 0x3106002,     // not an upload file, truncated or damaged
    RC_UPDATE_NO_LOADER = 0x3106003,        // no registered factory serves the object type
    RC_UPDATE_LOAD_FAILED = 0x3106004,      // the loader refused or failed
    RC_UPDATE_VERSION_CONFLICT = 0x3106005, // the file's version does not fit the firmware
    RC_UPDATE_BUSY = 0x3106006,             // another update is running
    RC_UPDATE_WRONG_THREAD = 0x3106007,     // called on the GUI thread
    RC_UPDATE_NOT_ALLOWED = 0x2000005       // files of the type cannot be installed on this device
};

// Object type of the instrument's firmware image inside a firmware upload file (file type 305).
// The platform's own loader installs it, on the instrument only: the image goes to the system
// directory's "Firmware" folder and its version becomes the running firmware's. Refused: an
// older major version than the running one (RC_UPDATE_VERSION_CONFLICT) and a battery below
// MIN_CAPACITY_FOR_UPDATE (RC_BATTERY_TOO_LOW_FOR_UPDATE, CMN_Power.h).
constexpr int OBJECT_TYPE_FIRMWARE = 1100;

// Size of the blocks handed to the loader.
constexpr unsigned int UPDATE_BLOCK_BYTES = 4096;

int startUpdate();

} // namespace CMN
