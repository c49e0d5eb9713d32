#pragma once

namespace BSS {
namespace HAL {

// Called during the platform's shutdown sequence.
class ShutdownHookI
{
public:
    virtual ~ShutdownHookI();
    virtual void onShutdown(unsigned int uReason) = 0;
};

} // namespace HAL
} // namespace BSS
