#pragma once

namespace CDT {
namespace FIL {

// Creates the default directory tree of a memory device (0 to 7) when the platform asks.
class PathMapDefaultDirectoryI
{
public:
    virtual ~PathMapDefaultDirectoryI();
    virtual void createDefaultDirectories(int iDevice) = 0;
};

} // namespace FIL
} // namespace CDT
