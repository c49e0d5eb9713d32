#include "Ferrolib/BSS_HAL_Fonts.h"

#include <fontconfig/fontconfig.h>

#include <future>

namespace BSS {
namespace HAL {

namespace {
std::shared_future<void> s_oFontsRead;
}

void prepareFonts()
{
    // The process keeps the configuration read first: the GUI's own font database takes this one.
    if (!s_oFontsRead.valid())
        s_oFontsRead = std::async(std::launch::async, [] { FcInit(); }).share();
}

void waitForFonts()
{
    if (s_oFontsRead.valid())
        s_oFontsRead.wait();
}

} // namespace HAL
} // namespace BSS
