#pragma once
// Apps > Format > System or SD Card: formats a memory device after two warnings.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class FormatApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_MEMORY_DEVICE_CHECK = 0,
        STATE_PRE_FORMAT_INFORMATION = 1,
        STATE_FORMAT = 2,
        STATE_FORMAT_RESULT = 3
    };

    // iMemoryDevice: FormatApplicationModelC::MEMORY_DEVICE_SYSTEM (0) or MEMORY_DEVICE_SDCARD (1).
    explicit FormatApplicationC(int iMemoryDevice);
    ~FormatApplicationC() override;

    int getMemoryDevice() const;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
    void createModel() override;

private:
    const int m_iMemoryDevice;
};

} // namespace APP
} // namespace KTX
