#pragma once
// Reports how the upload ended: success (unless the platform wants no message) or the failure
// with its reason.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class FileUploadResultStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit FileUploadResultStateC(QObject* parent = nullptr);
    ~FileUploadResultStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
