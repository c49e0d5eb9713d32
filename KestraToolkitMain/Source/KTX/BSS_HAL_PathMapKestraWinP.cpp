#include "KTX/BSS_HAL_PathMapKestraWinP.h"

namespace BSS {
namespace HAL {

PathMapKestraWinPC::PathMapKestraWinPC() = default;

PathMapKestraWinPC::~PathMapKestraWinPC() = default;

const char* PathMapKestraWinPC::getMakerDirName() const
{
    return "Kestra";
}

std::string PathMapKestraWinPC::getMakerRootPath() const
{
    // The base path ends in a separator; so does the result.
    return getBasePath() + getMakerDirName() + "/";
}

void PathMapKestraWinPC::onPathMapInstalled()
{
}

} // namespace HAL
} // namespace BSS
