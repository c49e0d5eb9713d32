#pragma once
// Error codes of a failed calibration measurement that the caller tells the operator about; any
// other code is an error of the module it names (module in bits 20 to 30, number in bits 0 to 11).
namespace VMN {

// The target recognition could not aim accurately enough.
constexpr int CALIBRATION_ERROR_ATR_ACCURACY = 0x25E00105;
// A prism was seen but could not be told from reflections or bright light.
constexpr int CALIBRATION_ERROR_PRISM_NOT_DETECTED = 0x25E00106;
constexpr int CALIBRATION_ERROR_PRISM_REFLECTIONS = 0x25E00107;
// No prism in the field of view.
constexpr int CALIBRATION_ERROR_NO_PRISM = 0x25E00108;
// The angle sensor found the instrument out of level.
constexpr int CALIBRATION_ERROR_OUT_OF_LEVEL = 0x2000016;

} // namespace VMN
