// The level model on the simulated instrument: which readings it reports, the stored plummet
// intensity, the plummet light, and the live readings of the hardware controller's thread.
#include "KestraTest.h"

#include "KTX/APP/KTX_APP_LevelLaserPlummetModel.h"

#include "Marrowlib/CCF_HardwareController.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/VMN_OrlinSensor.h"
#include "Stadion/VMN_OrlinSystemAccessor.h"

#include <memory>

namespace {

using KTX::APP::LevelLaserPlummetModelC;

struct TiltS
{
    double dL;
    double dT;
};

// Sets the tilt and waits until the sensor reads it.
bool tiltTo(const TiltS& rTilt)
{
    if (!VSIM::SettingsC::setValues({{"Sensor/TiltL", rTilt.dL}, {"Sensor/TiltT", rTilt.dT}}))
        return false;
    return KestraTest::waitFor([rTilt] {
        double dL = 0.0;
        double dT = 0.0;
        VMN::OrlinSystemAccessorC::getOrlinSensor()->readInclinations(dL, dT);
        return dL == rTilt.dL && dT == rTilt.dT;
    });
}

// What the model reported: "L,T" or "invalid".
QStringList* recordReports(LevelLaserPlummetModelC& rModel, QObject* pContext)
{
    auto* pReports = new QStringList;
    QObject::connect(&rModel, &LevelLaserPlummetModelC::inclinationsChanged, pContext, [pReports](double dL, double dT) {
        *pReports << QStringLiteral("%1,%2").arg(dL, 0, 'g', 12).arg(dT, 0, 'g', 12);
    });
    QObject::connect(&rModel, &LevelLaserPlummetModelC::inclinationsInvalid, pContext,
                     [pReports] { *pReports << QStringLiteral("invalid"); });
    return pReports;
}

} // namespace

Q_DECLARE_METATYPE(QList<TiltS>)

class LevelLaserPlummetModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(KestraTest::setSimulatorSetting("Sensor/TiltNoise", 0.0));
        QVERIFY(KestraTest::setSimulatorSetting("Sensor/CompensatorRange", 0.05));
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Option", true));
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Intensity", 60));
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/On", false));
        QVERIFY(VSIM::SettingsC::setValues({{"Sensor/TiltL", 0.0}, {"Sensor/TiltT", 0.0}}));
        KestraTest::clearReports();
    }

    // Readings taken one after the other; 1.0000003 mrad is 1000000.3 nrad, safely inside its
    // nanoradian, so that half a nanoradian more stays in it.
    void reportedReadings_data()
    {
        QTest::addColumn<QList<TiltS>>("lstReadings");
        QTest::addColumn<QStringList>("lstExpected");
        const double dL = 1.0000003e-3;
        QTest::newRow("the first reading, also at 0, 0") << QList<TiltS>{{0.0, 0.0}} << QStringList{"0,0"};
        QTest::newRow("the same again: nothing") << QList<TiltS>{{0.0, 0.0}, {0.0, 0.0}} << QStringList{"0,0"};
        QTest::newRow("half a nanoradian: nothing")
            << QList<TiltS>{{dL, 0.0}, {dL + 5e-10, 0.0}} << QStringList{"0.0010000003,0"};
        QTest::newRow("two nanoradians of T: reported")
            << QList<TiltS>{{dL, dL}, {dL, dL + 2e-9}} << QStringList{"0.0010000003,0.0010000003", "0.0010000003,0.0010000023"};
        QTest::newRow("beyond the compensator, then back where it was")
            << QList<TiltS>{{dL, 0.0}, {0.06, 0.0}, {0.06, 0.0}, {dL, 0.0}}
            << QStringList{"0.0010000003,0", "invalid", "invalid", "0.0010000003,0"};
    }

    void reportedReadings()
    {
        QFETCH(QList<TiltS>, lstReadings);
        QFETCH(QStringList, lstExpected);
        // The readings of this test come from here, not from the controller's thread.
        VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
        pSensor->startMeasurement();
        LevelLaserPlummetModelC oModel;
        QObject oContext;
        std::unique_ptr<QStringList> upReports(recordReports(oModel, &oContext));
        for (const TiltS& rTilt : lstReadings) {
            QVERIFY(tiltTo(rTilt));
            oModel.UpdateInclinations();
        }
        pSensor->stopMeasurement();
        QCOMPARE(*upReports, lstExpected);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    void storedIntensity_data()
    {
        QTest::addColumn<bool>("bOption");
        QTest::addColumn<int>("iStore");
        QTest::addColumn<bool>("bStored");
        QTest::addColumn<int>("iRead");
        QTest::newRow("60") << true << 60 << true << 60;
        QTest::newRow("0 is off") << true << 0 << true << 0;
        QTest::newRow("100") << true << 100 << true << 100;
        QTest::newRow("101 refused") << true << 101 << false << 60;
        QTest::newRow("-1 refused") << true << -1 << false << 60;
        QTest::newRow("no plummet: nothing stored, nothing read") << false << 40 << false << 0;
    }

    void storedIntensity()
    {
        QFETCH(bool, bOption);
        QFETCH(int, iStore);
        QFETCH(bool, bStored);
        QFETCH(int, iRead);
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Option", bOption));
        LevelLaserPlummetModelC oModel;
        QCOMPARE(oModel.HasLaserPlummet(), bOption);
        QCOMPARE(oModel.StoreLaserPlummetIntensity(iStore), bStored);
        QCOMPARE(KestraTest::assertTexts(), bStored ? QStringList() : QStringList{"false"});
        QCOMPARE(int(oModel.GetLaserPlummetIntensity()), iRead);
        QCOMPARE(VSIM::SettingsC::intValue("LaserPlummet/Intensity"), bStored ? iStore : 60);
    }

    // What the instrument's light does: the "Stadion" lines and the light at the end.
    void plummetLight_data()
    {
        QTest::addColumn<bool>("bOption");
        QTest::addColumn<int>("iStored");
        QTest::addColumn<int>("iSelected"); // 0: none
        QTest::addColumn<bool>("bStop");
        QTest::addColumn<QStringList>("lstExpected");
        QTest::addColumn<bool>("bOnAtEnd");
        QTest::newRow("on at the stored intensity while started")
            << true << 60 << 0 << false << QStringList{"Laser plummet on at 60 %."} << true;
        QTest::newRow("off when stopped")
            << true << 60 << 0 << true << QStringList{"Laser plummet on at 60 %.", "Laser plummet off."} << false;
        QTest::newRow("stored 0 keeps it off") << true << 0 << 0 << false << QStringList{"Laser plummet off."} << false;
        QTest::newRow("a selection stores and switches on")
            << true << 0 << 80 << false << QStringList{"Laser plummet off.", "Laser plummet on at 80 %."} << true;
        QTest::newRow("no plummet: the light is never asked")
            << false << 60 << 80 << true << QStringList() << false;
    }

    void plummetLight()
    {
        QFETCH(bool, bOption);
        QFETCH(int, iStored);
        QFETCH(int, iSelected);
        QFETCH(bool, bStop);
        QFETCH(QStringList, lstExpected);
        QFETCH(bool, bOnAtEnd);
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Option", bOption));
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Intensity", iStored));
        KestraTest::clearReports();
        LevelLaserPlummetModelC oModel;
        oModel.Start();
        if (iSelected > 0)
            oModel.onLaserPlummetIntensityChanged(iSelected);
        if (bStop)
            oModel.Stop();
        QCOMPARE(KestraTest::traces("Stadion"), lstExpected);
        QCOMPARE(VSIM::SettingsC::boolValue("LaserPlummet/On"), bOnAtEnd);
        QCOMPARE(VSIM::SettingsC::intValue("LaserPlummet/Intensity"), bOption && iSelected > 0 ? iSelected : iStored);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // Left for the next screen, the plummet goes off in the event loop's next round; started
    // again before that, it stays on; the model's end switches it off at once.
    void plummetOffInTheNextRound()
    {
        {
            LevelLaserPlummetModelC oModel;
            oModel.Start();
            oModel.StopWithPlummetLater();
            QVERIFY(!oModel.isStarted());
            QVERIFY(VSIM::SettingsC::boolValue("LaserPlummet/On"));
            QTRY_VERIFY(!VSIM::SettingsC::boolValue("LaserPlummet/On"));
            oModel.Start();
            oModel.StopWithPlummetLater();
            oModel.StartReadings();
            QTest::qWait(50);
            QVERIFY(VSIM::SettingsC::boolValue("LaserPlummet/On"));
            oModel.StopWithPlummetLater();
        }
        QVERIFY(!VSIM::SettingsC::boolValue("LaserPlummet/On"));
        QCOMPARE(KestraTest::traces("Stadion"),
                 QStringList({"Laser plummet on at 60 %.", "Laser plummet off.", "Laser plummet on at 60 %.", "Laser plummet off."}));
    }

    // Started, the readings come from the hardware controller's thread as the tilt changes;
    // stopped, they end.
    void liveReadings()
    {
        CCF::HardwareControllerC* pController = CCF::getHardwareController();
        LevelLaserPlummetModelC oModel;
        QObject oContext;
        std::unique_ptr<QStringList> upReports(recordReports(oModel, &oContext));
        oModel.Start();
        QVERIFY(pController->isNotifying());
        QVERIFY(KestraTest::waitFor([&] { return upReports->contains("0,0"); }));
        QVERIFY(VSIM::SettingsC::setValues({{"Sensor/TiltL", 0.002}, {"Sensor/TiltT", -0.001}}));
        QVERIFY(KestraTest::waitFor([&] { return upReports->contains("0.002,-0.001"); }));
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.07));
        QVERIFY(KestraTest::waitFor([&] { return upReports->contains("invalid"); }));
        oModel.Stop();
        QVERIFY(!pController->isNotifying());
        QCoreApplication::processEvents();
        const int iReports = upReports->size();
        QTest::qWait(3 * CCF::HardwareControllerC::NOTIFY_INTERVAL_MS);
        QCOMPARE(upReports->size(), iReports);
        QCOMPARE(pController->notificationSource().subscriberCount(), 0);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }
};

KESTRA_TEST_MAIN(LevelLaserPlummetModelTest)
#include "tst_KTX_APP_LevelLaserPlummetModel.moc"
