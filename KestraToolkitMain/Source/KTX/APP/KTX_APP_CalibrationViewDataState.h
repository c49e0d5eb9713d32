#pragma once
// The adjustment values stored in the instrument; OK and Escape leave.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

namespace KTX {
namespace APP {

class CalibrationViewDataPanelC;

class CalibrationViewDataStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit CalibrationViewDataStateC(QObject* parent = nullptr);
    ~CalibrationViewDataStateC() override;

    CalibrationViewDataPanelC* getViewDataPanel() const;

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
