#pragma once
// Looks for upload files of the application's type on the memory device. Success when there is
// at least one; otherwise the user is told, and the state fails.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class FileAvailableCheckStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit FileAvailableCheckStateC(QObject* parent = nullptr);
    ~FileAvailableCheckStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
