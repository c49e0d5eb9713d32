#pragma once
// The basic services' format of a removable memory device, once the format service and the
// device configuration library have prepared it (CCF_FormatService.h). A formatted device gets
// its default directories again from the platform's default-directory provider.

namespace CMN {

// Formats the prepared device and ends the preparation: CCF::RC_FORMAT_OK, RC_FORMAT_NOT_PREPARED
// without the whole preparation or while the device is mounted, RC_FORMAT_NOT_AVAILABLE when the
// card went away, RC_BATTERY_LOW (CMN_Power.h) below MIN_CAPACITY_FOR_UPDATE.
int formatMemoryDevice();

} // namespace CMN
