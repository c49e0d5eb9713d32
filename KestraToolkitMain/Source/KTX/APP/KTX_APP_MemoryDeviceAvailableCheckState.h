#pragma once
// Waits for the application's memory device: asks the user to insert it until it is there or
// the user cancels. Success when the device can be used, fail otherwise.
// The application's model must implement MemoryDeviceModelI. The message names the device with
// its %1.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class MemoryDeviceAvailableCheckStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    // Without a token: the upload's "%1 is not available!".
    explicit MemoryDeviceAvailableCheckStateC(QObject* parent = nullptr);
    explicit MemoryDeviceAvailableCheckStateC(int iMessageToken, QObject* parent = nullptr);
    ~MemoryDeviceAvailableCheckStateC() override;

    void execute() override;

private:
    const int m_iMessageToken;
};

} // namespace APP
} // namespace KTX
