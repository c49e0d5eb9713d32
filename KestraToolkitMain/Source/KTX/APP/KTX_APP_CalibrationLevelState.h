#pragma once
// The calibration's first screen: the level screen, left as out of level when the instrument is
// not level on OK.
#include "KTX/APP/KTX_APP_LevelLaserPlummetApplicationState.h"

namespace KTX {
namespace APP {

class CalibrationLevelStateC : public LevelLaserPlummetApplicationStateC
{
    Q_OBJECT

public:
    explicit CalibrationLevelStateC(QObject* parent = nullptr);
    ~CalibrationLevelStateC() override;

public slots:
    void OnExit(int iExitCode) override;
};

} // namespace APP
} // namespace KTX
