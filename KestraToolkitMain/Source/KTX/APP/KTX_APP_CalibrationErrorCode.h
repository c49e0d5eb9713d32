#pragma once
// The instrument's error code of a failed calibration measurement, taken apart into what the
// user reports to Customer Support: the module text and a number unique across modules.
#include <QString>

namespace KTX {
namespace APP {

struct CalibrationErrorIdS
{
    QString strModule;
    int iNumber = 0;
    bool bFlag = false;
};

class CalibrationErrorCodeC
{
public:
    static CalibrationErrorIdS decode(int iErrorCode);
};

} // namespace APP
} // namespace KTX
