#pragma once
// The last step of the communication settings. A stored device setting that the instrument takes
// only when it starts again (the Bluetooth PIN) is worth a question: the user is told and may
// restart now; otherwise, or when NO, the application just ends.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class CommunicationSettingsCheckRebootStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit CommunicationSettingsCheckRebootStateC(QObject* parent = nullptr);
    ~CommunicationSettingsCheckRebootStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
