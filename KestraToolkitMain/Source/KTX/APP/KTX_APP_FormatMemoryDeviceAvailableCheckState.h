#pragma once
// Waits for the memory device to format, with the format application's message.
#include "KTX/APP/KTX_APP_MemoryDeviceAvailableCheckState.h"

namespace KTX {
namespace APP {

class FormatMemoryDeviceAvailableCheckStateC : public MemoryDeviceAvailableCheckStateC
{
    Q_OBJECT

public:
    explicit FormatMemoryDeviceAvailableCheckStateC(QObject* parent = nullptr);
    ~FormatMemoryDeviceAvailableCheckStateC() override;
};

} // namespace APP
} // namespace KTX
