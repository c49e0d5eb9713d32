#pragma once
// Tells why the last calibration measurement was not accepted; the step then measures again.
#include "V40_APP_ApplicationStateBase.h"

#include <QString>

namespace KTX {
namespace APP {

struct CalibrationErrorS;
class CalibrationModelC;

class CalibrationShowErrorStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit CalibrationShowErrorStateC(QObject* parent = nullptr);
    ~CalibrationShowErrorStateC() override;

    void execute() override;

    // The message for the model's error; empty for one that has none (out of level, unknown).
    static QString errorMessage(const CalibrationModelC& rModel);
};

} // namespace APP
} // namespace KTX
