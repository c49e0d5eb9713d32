#pragma once
// "Out of level!\nRedo procedure?": YES levels again, NO asks whether to leave.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class CalibrationOutOfLevelStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit CalibrationOutOfLevelStateC(QObject* parent = nullptr);
    ~CalibrationOutOfLevelStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
