#pragma once
// Settings > Comm.: which port the data link uses, and the settings of the device on a port (the
// serial parameters of RS232, the PIN of the internal Bluetooth module).
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class CommunicationSettingsApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_PORT_SELECTION = 0,
        STATE_STORE_PORT = 1,
        STATE_CONFIGURATION = 2,
        STATE_STORE_CONFIGURATION = 3,
        STATE_CHECK_MODIFIED = 4,
        STATE_SET_TO_DEFAULT = 5,
        STATE_CHECK_REBOOT = 6
    };

    // The port selection asks for the device settings of the chosen port with it.
    static const int s_iExitCodeConfigure;
    // The device settings ask for their defaults with it.
    static const int s_iExitCodeSetToDefault;

    CommunicationSettingsApplicationC();
    ~CommunicationSettingsApplicationC() override;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
    // A CommunicationSettingsModelC.
    void createModel() override;
};

} // namespace APP
} // namespace KTX
