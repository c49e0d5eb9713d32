#pragma once
// One calibration measurement: aim, OK measures ("Measuring ..." until the instrument is done),
// then the next measurement, the results, or the reason why it was not accepted. The state runs
// again, nested, for each measurement.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

#include <QPointer>

namespace V40 {
namespace GUI {
class ProgressDialogC;
}
} // namespace V40

namespace KTX {
namespace APP {

class CalibrationModelC;
class CalibrationStepXPanelC;

class CalibrationStepXStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit CalibrationStepXStateC(QObject* parent = nullptr);
    ~CalibrationStepXStateC() override;

    // A GUI stop while measuring takes the progress dialog away too.
    void execute() override;

    CalibrationStepXPanelC* getStepXPanel() const;
    V40::GUI::ProgressDialogC* getProgressDialog() const;
    bool isMeasuring() const;

public slots:
    void OnOkPressed();
    void OnEscapePressed();
    void OnSingleCalibrationMeasFinished();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    void addShortcuts() override;
    void prepareShow() override;
    QString titleText() const override;

private:
    void endMeasuring();

    QPointer<CalibrationModelC> m_pModel;
    QPointer<V40::GUI::ProgressDialogC> m_pProgressDialog;
    bool m_bMeasuring;
};

} // namespace APP
} // namespace KTX
