#pragma once
// The instrument's clock.

namespace BSS {
namespace HAL {

// Now, as the platform's date-time number (days since 2000-01-01 00:00:00, local instrument time).
double currentDateTime();

} // namespace HAL
} // namespace BSS
