#pragma once
#include "Ferrolib/BSS_HAL_PathMap.h"

namespace BSS {
namespace HAL {

// The toolkit's path map: the maker's files live in their own folder below the base path.
class PathMapKestraWinPC : public PathMapWinPC
{
public:
    PathMapKestraWinPC();
    ~PathMapKestraWinPC() override;

    const char* getMakerDirName() const override;
    std::string getMakerRootPath() const override;
    void onPathMapInstalled() override;
};

} // namespace HAL
} // namespace BSS
