#pragma once
// The fonts of the platform's display.

namespace BSS {
namespace HAL {

// Begins to read the platform's font configuration on a thread of its own. It is the longest step
// before the first screen; begun when the process starts, it is done when the first window asks
// for a font.
void prepareFonts();
// Returns once the reading that prepareFonts() began is done; at once when none was begun.
void waitForFonts();

} // namespace HAL
} // namespace BSS
