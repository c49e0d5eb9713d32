#pragma once
// The page of one calibration measurement: what to aim at, which measurement and face it is, and
// the telescope's angles live.
#include <QPointer>
#include <QWidget>

class QLabel;

namespace V40 {
namespace GUI {
class HLabeledWidgetC;
}
} // namespace V40

namespace KTX {
namespace APP {

class CalibrationModelC;

class CalibrationStepXPanelC : public QWidget
{
    Q_OBJECT

public:
    CalibrationStepXPanelC(CalibrationModelC* pModel, QWidget* parent = nullptr);
    ~CalibrationStepXPanelC() override;

    // The instruction of the step and the measurement line, as the model's count says.
    void updateTexts();

    QLabel* getInstructionLabel() const;
    QLabel* getMeasurementLabel() const;
    V40::GUI::HLabeledWidgetC* getHzRow() const;
    V40::GUI::HLabeledWidgetC* getVRow() const;

public slots:
    void onMeasDataChanged();

private:
    QPointer<CalibrationModelC> m_pModel;
    QLabel* m_pInstructionLabel;
    QLabel* m_pMeasurementLabel;
    V40::GUI::HLabeledWidgetC* m_pHzRow;
    V40::GUI::HLabeledWidgetC* m_pVRow;
};

} // namespace APP
} // namespace KTX
