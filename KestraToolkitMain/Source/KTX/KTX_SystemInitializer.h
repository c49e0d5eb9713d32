#pragma once


namespace KTX {

// Prepares the platform: path map, Qt platform plug-in, simulator settings, fonts.
class SystemInitializerC
{
public:
    SystemInitializerC();
    virtual ~SystemInitializerC();
    SystemInitializerC(const SystemInitializerC&) = delete;
    SystemInitializerC& operator=(const SystemInitializerC&) = delete;

    // Returns once the system's fonts are read: before the first window is built.
    static void waitForFonts();

private:
    static void preparePlatformPlugin();
    static void prepareSimulator();
    static void prepareFonts();
};

} // namespace KTX
