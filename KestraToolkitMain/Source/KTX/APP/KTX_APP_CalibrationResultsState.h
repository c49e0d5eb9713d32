#pragma once
// The results of a calibration beside the stored values: OK stores them, Escape asks whether to
// leave without.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

namespace KTX {
namespace APP {

class CalibrationResultsPanelC;

class CalibrationResultsStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit CalibrationResultsStateC(QObject* parent = nullptr);
    ~CalibrationResultsStateC() override;

    CalibrationResultsPanelC* getResultsPanel() const;

public slots:
    void OnOkPressed();
    void OnEscapePressed();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    void addShortcuts() override;
    void prepareShow() override;
};

} // namespace APP
} // namespace KTX
