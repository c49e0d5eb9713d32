#pragma once
// MAIN MENU > Sysinfo: the instrument's identity, versions and options on one read-only page;
// F1 opens the legal information.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class SystemInformationApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_SYSTEM_INFORMATION = 0,
        STATE_SHOW_LEGAL_INFO = 1
    };

    // F1 on the page leads to the legal information.
    static const int s_iExitCodeShowLegalInfo;

    // The argument is the menu's and has no meaning here.
    explicit SystemInformationApplicationC(int iReserved = 0);
    ~SystemInformationApplicationC() override;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
};

} // namespace APP
} // namespace KTX
