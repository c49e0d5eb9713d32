#pragma once
// The warnings before an upload: data loss (firmware only) and the power supply, with the
// battery's capacity. Success when the user answered YES to each.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class PreFileUploadInformationStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit PreFileUploadInformationStateC(QObject* parent = nullptr);
    ~PreFileUploadInformationStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
