#pragma once
// The instrument side of the level screen: the inclinations as the sensor reads them, with every
// notification of the hardware controller, and the laser plummet with its stored intensity.
#include "Ferrolib/BSS_TSK_Command.h"
#include "Ferrolib/BSS_TSK_Observer.h"

#include "V40_APP_NextRound.h"

#include <QObject>

namespace BSS {
namespace TSK {
class SubjectC;
}
} // namespace BSS

namespace CCF {
class HardwareControllerC;
}

namespace KTX {
namespace APP {

class LevelLaserPlummetModelC : public QObject, public BSS::TSK::CommandC
{
    Q_OBJECT

public:
    // Reads whether the instrument has a laser plummet.
    explicit LevelLaserPlummetModelC(QObject* parent = nullptr);
    ~LevelLaserPlummetModelC() override;

    // Reads it again, for a screen built ahead that is about to be shown.
    void ReadInstrumentInfo();

    bool HasLaserPlummet() const;
    // The stored intensity in percent; 0 without a laser plummet or when it cannot be read.
    unsigned short GetLaserPlummetIntensity() const;
    // 0 to 100; true when it is stored.
    bool StoreLaserPlummetIntensity(int iIntensity);
    // On only at a stored intensity above 0.
    void SetLaserPlummetOn(bool bOn);

    // Called with every notification of the hardware controller, on its thread.
    void UpdateInclinations();

    // Inclinations flow and the plummet shines from Start() to Stop(); both may come twice.
    void Start();
    // As Start(), with the plummet left as it is: a screen switches it on once it is shown.
    void StartReadings();
    void Stop();
    // As Stop(), with the plummet switched off in the event loop's next round, once the screen
    // that follows has been painted. A start before then keeps it on; Stop() and the model's end
    // switch it off at once.
    void StopWithPlummetLater();
    bool isStarted() const;

signals:
    void inclinationsChanged(double dLInclination, double dTInclination);
    void inclinationsInvalid();

public slots:
    void onLaserPlummetIntensityChanged(int iIntensity);

private:
    void StopReadings();

    // Keeps the sensor's measurement data coming; the readings themselves come with the
    // hardware controller's notifications.
    class MeasurementObserverC : public BSS::TSK::ObserverC
    {
    public:
        void onNotify(int iParam1, int iParam2, BSS::TSK::ResponseMsgC* pResponse) override;
    };

    MeasurementObserverC m_oMeasurementObserver;
    double m_dLInclination;
    double m_dTInclination;
    bool m_bInclinationsValid;
    bool m_bHasLaserPlummet;
    bool m_bStarted;
    BSS::TSK::SubjectC* m_pMeasSubject;
    CCF::HardwareControllerC* const m_pController;
    // After the next screen's paint.
    V40::APP::NextRoundC m_oPlummetOff;
};

} // namespace APP
} // namespace KTX
