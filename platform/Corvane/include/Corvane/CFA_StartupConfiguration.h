#pragma once
// Start-up configuration of the instrument: the application mode, the two start-up operations
// and the GUI and stop control.

namespace CFA {

enum ApplicationModeE { APPLICATION_MODE_NO_GUI = 2, APPLICATION_MODE_GUI = 3 };

class StartupConfigurationC
{
public:
    static StartupConfigurationC& instance();

    void setStartupRegistryKey(const wchar_t* pwszKey);
    // Reads the application mode stored under the start-up key; false when none is stored.
    bool readStoredApplicationMode(int& riMode);
    bool setApplicationMode(int iMode);
    bool getApplicationMode(int& riMode);

    // Creates the modules of every registered factory, initialises them, registers their services.
    void initialize();
    // Starts the modules; shows the GUI when the application mode is 3.
    void start();

    void showGui();
    void hideGui();
    // Posts the stop message to the receiver window.
    void prepareStop();
    // Hides the GUI, waits for it to be gone, then stops and destroys the modules.
    void stopApplication();

private:
    StartupConfigurationC();
};

} // namespace CFA
