#include "V40_APP_ExitCode.h"

namespace V40 {
namespace APP {

namespace {
// Constant-initialised, so it holds -1 before any dynamic initialisation runs.
int s_iLastExitCode = -1;
} // namespace

int newExitCode()
{
    return ++s_iLastExitCode;
}

int lastExitCode()
{
    return s_iLastExitCode;
}

// The library's own two codes, allocated in this order during its static initialisation. No
// other translation unit of the library allocates codes, so they are 0 and 1.
const int s_iExitCodeSuccess = newExitCode();
const int s_iExitCodeFail = newExitCode();

} // namespace APP
} // namespace V40
