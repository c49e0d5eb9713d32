#pragma once
// Waits for the application's memory device: asks the user to insert it until it is there or
// the user cancels. Success when the device can be used, fail otherwise.
// The application's model must implement MemoryDeviceModelI.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class MemoryDeviceAvailableCheckStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit MemoryDeviceAvailableCheckStateC(QObject* parent = nullptr);
    ~MemoryDeviceAvailableCheckStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
