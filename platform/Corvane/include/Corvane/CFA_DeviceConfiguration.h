#pragma once
// The device configuration library's part in the format of a removable memory device: after the
// format service prepared the device configuration (CCF::prepareDeviceConfiguration) and the
// device manager unmounted the device, the device's users let go of it and the change is
// committed; then the basic services may format it (CMN::formatMemoryDevice).

namespace CFA {

// Releases the prepared device: CCF::RC_FORMAT_OK, or CCF::RC_FORMAT_NOT_PREPARED when no device
// was prepared or the device is still mounted.
int prepareDeviceConfigurationChange();
// Commits the change: CCF::RC_FORMAT_OK, or CCF::RC_FORMAT_NOT_PREPARED when the device was not
// released first.
int applyDeviceConfigurationChange();

} // namespace CFA
