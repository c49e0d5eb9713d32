#pragma once
// The level screen: live bubbles while it is shown, the laser plummet on at its stored
// intensity; F6 and Escape leave it. Calibration starts with it too.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

#include <memory>

namespace KTX {
namespace APP {

class LevelLaserPlummetModelC;
class LevelLaserPlummetPanelC;

class LevelLaserPlummetApplicationStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit LevelLaserPlummetApplicationStateC(QObject* parent = nullptr);
    ~LevelLaserPlummetApplicationStateC() override;

    // Stops the model however the screen is left, also when the GUI stops under it.
    void execute() override;

    LevelLaserPlummetModelC* getLevelModel() const;
    // Null until the state was first executed.
    LevelLaserPlummetPanelC* getLevelPanel() const;

public slots:
    void OnExit(int iExitCode) override;

protected:
    QWidget* createPanel(QWidget* pPage) override;
    // The level model is the state's own; it is started only when the page is shown.
    bool canWarmUp() const override;
    // Built again when the option, the angle unit or the stored intensity changed since.
    bool refreshPanel() override;
    // Starts the model's readings: the bubbles are live from the first paint.
    void prepareShow() override;
    // The plummet shines once the screen is up: its switch writes the simulated instrument's
    // state, which would hold the first paint back by about half a millisecond.
    void afterShow() override;

private:
    std::unique_ptr<LevelLaserPlummetModelC> m_upModel;
};

} // namespace APP
} // namespace KTX
