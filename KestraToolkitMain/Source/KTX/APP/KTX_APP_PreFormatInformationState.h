#pragma once
// The warnings before a format: data loss and the power supply, with the battery's capacity.
// Success when the user answered YES to both.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class PreFormatInformationStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit PreFormatInformationStateC(QObject* parent = nullptr);
    ~PreFormatInformationStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
