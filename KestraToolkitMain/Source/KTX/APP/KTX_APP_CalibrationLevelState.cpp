#include "KTX/APP/KTX_APP_CalibrationLevelState.h"

#include "KTX/APP/KTX_APP_CalibrationApplication.h"
#include "KTX/APP/KTX_APP_CalibrationModel.h"

namespace KTX {
namespace APP {

CalibrationLevelStateC::CalibrationLevelStateC(QObject* parent)
    : LevelLaserPlummetApplicationStateC(parent)
{
}

CalibrationLevelStateC::~CalibrationLevelStateC() = default;

void CalibrationLevelStateC::OnExit(int iExitCode)
{
    if (iExitCode == s_iExitCodeSuccess) {
        CalibrationModelC* poModel = calibrationModelOf(modelOrNull());
        if (poModel && !poModel->IsInstrumentLevel())
            iExitCode = CalibrationApplicationC::s_iExitCodeOutOfLevel;
    }
    LevelLaserPlummetApplicationStateC::OnExit(iExitCode);
}

} // namespace APP
} // namespace KTX
