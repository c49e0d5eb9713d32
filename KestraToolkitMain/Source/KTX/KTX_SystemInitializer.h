#pragma once

namespace KTX {

// Prepares the platform: path map, Qt platform plug-in, simulator settings.
class SystemInitializerC
{
public:
    SystemInitializerC();
    virtual ~SystemInitializerC();
    SystemInitializerC(const SystemInitializerC&) = delete;
    SystemInitializerC& operator=(const SystemInitializerC&) = delete;

private:
    static void preparePlatformPlugin();
    static void prepareSimulator();
};

} // namespace KTX
