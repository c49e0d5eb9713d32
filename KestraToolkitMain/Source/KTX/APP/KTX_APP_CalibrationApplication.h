#pragma once
// Apps > Calib.: "Calibrate All", "Calibrate without Trevo" and "View Adjustment Data". Level the
// instrument, measure in both faces to a horizontal and to a steep target, compare the results
// with the stored values and store them; or only look at the stored values.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class CalibrationApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum EntryPointE
    {
        ENTRY_CALIBRATE_ALL = 0,
        ENTRY_CALIBRATE_WITHOUT_ATR = 1,
        ENTRY_VIEW_DATA = 2
    };
    enum StateIdE
    {
        STATE_LEVEL = 0,
        STATE_EXIT_LEVEL = 1,
        STATE_STEP = 2,
        STATE_EXIT_STEP = 3,
        STATE_OUT_OF_LEVEL = 4,
        STATE_EXIT_OUT_OF_LEVEL = 5,
        STATE_RESULTS = 6,
        STATE_EXIT_RESULTS = 7,
        STATE_STORE = 8,
        STATE_VIEW_DATA = 9,
        STATE_SHOW_ERROR = 10
    };

    static const int s_iExitCodeOutOfLevel;
    static const int s_iExitCodeNextMeas;
    static const int s_iExitCodeShowError;

    explicit CalibrationApplicationC(int iEntryPoint);
    ~CalibrationApplicationC() override;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
    void createModel() override;

private:
    int m_iEntryPoint;
};

} // namespace APP
} // namespace KTX
