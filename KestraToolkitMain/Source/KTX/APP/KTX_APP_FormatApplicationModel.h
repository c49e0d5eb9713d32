#pragma once
// The memory device that one run of the format application formats.
#include "KTX/APP/KTX_APP_MemoryDeviceModel.h"

#include "V40_APP_ApplicationModelBase.h"

namespace KTX {
namespace APP {

class FormatApplicationModelC : public V40::APP::ApplicationModelBaseC, public MemoryDeviceModelI
{
public:
    enum MemoryDeviceE
    {
        MEMORY_DEVICE_SYSTEM = 0,
        MEMORY_DEVICE_SDCARD = 1
    };

    explicit FormatApplicationModelC(int iMemoryDevice);
    ~FormatApplicationModelC() override;

    int GetMemoryDevice() const;
    // System: both of the system's memories are there. SD card: a card is inserted.
    bool IsMemoryDeviceAvailable() const override;
    QString GetMemoryDeviceLabel() const override;

private:
    const int m_iMemoryDevice;
};

} // namespace APP
} // namespace KTX
