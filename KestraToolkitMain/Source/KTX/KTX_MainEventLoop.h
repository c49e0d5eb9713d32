#pragma once

namespace KTX {

// The loop that keeps the main thread alive until the application is told to quit.
class MainEventLoopI
{
public:
    // Blocks until quit(); returns the exit code.
    virtual int run() = 0;
    virtual void quit() = 0;
    virtual ~MainEventLoopI() = default;
};

} // namespace KTX
