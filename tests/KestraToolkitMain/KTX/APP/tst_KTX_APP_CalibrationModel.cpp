// The calibration model on the simulated instrument, without screens: face pairs measured at the
// telescope's aim, accepted or refused by the limits, and means that equal the instrument's true
// errors when it measures without noise.
#include "StateTestApplication.h"

#include "KTX/APP/KTX_APP_CalibrationModel.h"

#include "KestraTest.h"

#include <QSignalSpy>

#include <cmath>
#include <memory>

namespace {

using KTX::APP::CalibrationModelC;

double gon(double dGon)
{
    return dGon / 200.0 * GEO::PI;
}

const QStringList s_lstTrueErrors{"Adjustment/CompensatorLIndex", "Adjustment/CompensatorTIndex", "Adjustment/VIndex",
                                  "Adjustment/HzCollimation",     "Adjustment/TiltingAxis",       "Adjustment/AtrHz",
                                  "Adjustment/AtrV"};

// One measurement as the step screen asks for it, at the telescope's aim (gon); the error code,
// or -1 when the model did not answer.
int measure(CalibrationModelC& rModel, double dHz, double dV)
{
    if (!VSIM::SettingsC::setValues({{"Telescope/Hz", gon(dHz)}, {"Telescope/V", gon(dV)}}))
        return -1;
    rModel.onMeasDataUpdate();
    QSignalSpy oFinished(&rModel, &CalibrationModelC::singleCalibrationMeasFinished);
    if (!rModel.StartSingleCalibrationMeas())
        return rModel.GetError().iCode;
    rModel.OnSingleCalibrationMeasStarted();
    if (!oFinished.wait(5000))
        return -1;
    return rModel.GetError().iCode;
}

// Face I at the aim, then face II where the motorised instrument turned to.
int measurePair(CalibrationModelC& rModel, double dHz, double dV)
{
    const int iFaceOne = measure(rModel, dHz, dV);
    if (iFaceOne != 0)
        return iFaceOne;
    return measure(rModel, dHz + 200.0, 400.0 - dV);
}

} // namespace

class CalibrationModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(StateTest::setSimulator(s_lstTrueErrors + QStringList{"Sensor/TiltL", "Sensor/TiltT"},
                                        {{"Measurement/AngleNoise", "0"}, {"Sensor/TiltNoise", "0"},
                                         {"Measurement/FaceChangeDelay", "0"}}));
        KestraTest::clearReports();
    }

    // Pairs: the targets' zenith angles in gon, one pair each (a negative one: face I only, at
    // its absolute value). The true errors not set are 0.
    void pairs_data()
    {
        QTest::addColumn<SettingList>("lstErrors");
        QTest::addColumn<QList<double>>("lstTargets");
        QTest::addColumn<int>("iCode");
        QTest::addColumn<int>("iValidMeas");
        const double dLimit = CalibrationModelC::s_dMaxCalibrationError;
        const QString strLimit = QString::number(dLimit, 'g', 17);
        const QString strAbove = QString::number(std::nextafter(dLimit, 1.0), 'g', 17);
        const QString strBeyond = QString::number(gon(0.15), 'g', 17);
        QTest::newRow("compensator index at the limit passes")
            << SettingList{{"Adjustment/CompensatorLIndex", strLimit}} << QList<double>{100} << 0 << 2;
        QTest::newRow("just above it, the pair goes")
            << SettingList{{"Adjustment/CompensatorTIndex", "-" + strAbove}} << QList<double>{100} << 1 << 0;
        QTest::newRow("V index and collimation beyond: V index first")
            << SettingList{{"Adjustment/VIndex", strBeyond}, {"Adjustment/HzCollimation", strBeyond}}
            << QList<double>{100} << 3 << 0;
        QTest::newRow("compensator and V index beyond: compensator first")
            << SettingList{{"Adjustment/VIndex", strBeyond}, {"Adjustment/CompensatorLIndex", strBeyond}}
            << QList<double>{100} << 1 << 0;
        QTest::newRow("collimation beyond") << SettingList{{"Adjustment/HzCollimation", strBeyond}}
                                            << QList<double>{100} << 4 << 0;
        QTest::newRow("tilting axis beyond, only step 2 sees it")
            << SettingList{{"Adjustment/TiltingAxis", strBeyond}} << QList<double>{100, 100, 50} << 2 << 4;
        QTest::newRow("120 gon in step 1") << SettingList() << QList<double>{-120} << 6 << 0;
        QTest::newRow("95 gon in step 2") << SettingList() << QList<double>{100, 100, -95} << 6 << 4;
        QTest::newRow("out of level at a request: from the start")
            << SettingList{{"Sensor/TiltL", "0.01"}} << QList<double>{-100} << 7 << 0;
    }

    void pairs()
    {
        QFETCH(SettingList, lstErrors);
        QFETCH(QList<double>, lstTargets);
        QFETCH(int, iCode);
        QFETCH(int, iValidMeas);
        QVERIFY(StateTest::setSimulator(QStringList(), lstErrors));
        CalibrationModelC oModel(true);
        int iResult = 0;
        for (double dTarget : lstTargets) {
            iResult = dTarget < 0 ? measure(oModel, 0, -dTarget) : measurePair(oModel, 0, dTarget);
            if (iResult != 0)
                break;
        }
        QCOMPARE(iResult, iCode);
        QCOMPARE(int(oModel.GetNoOfValidMeas()), iValidMeas);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // A whole calibration with every true error set, without and with noise: the means are the
    // true errors, to 1e-9 rad without noise and within the noise with it.
    void fullCalibration_data()
    {
        QTest::addColumn<double>("dNoise");
        QTest::addColumn<double>("dTolerance");
        QTest::newRow("noise 0: exact") << 0.0 << 1e-9;
        QTest::newRow("noise 2e-6 rad") << 2e-6 << 2e-5;
    }

    void fullCalibration()
    {
        QFETCH(double, dNoise);
        QFETCH(double, dTolerance);
        QVERIFY(StateTest::setSimulator(QStringList(), {{"Measurement/AngleNoise", QString::number(dNoise)},
                                                         {"Sensor/TiltNoise", QString::number(dNoise)},
                                                         {"Adjustment/CompensatorLIndex", "3e-4"},
                                                         {"Adjustment/CompensatorTIndex", "-2e-4"},
                                                         {"Adjustment/VIndex", "5e-4"},
                                                         {"Adjustment/HzCollimation", "-4e-4"},
                                                         {"Adjustment/TiltingAxis", "6e-4"},
                                                         {"Sensor/TiltL", "2e-4"}}));
        CalibrationModelC oModel(true);
        for (double dTarget : {100.0, 100.0, 50.0, 150.0})
            QCOMPARE(measurePair(oModel, 30, dTarget), 0);
        QVERIFY(oModel.IsCalibrationFinished());
        const KTX::APP::CalibrationValuesS oValues = oModel.GetAveragedCalibrationValues();
        const QList<QPair<double, double>> lstCompared{{oValues.LIndex, 3e-4},        {oValues.QIndex, -2e-4},
                                                       {oValues.VIndex, 5e-4},        {oValues.HzCollimation, -4e-4},
                                                       {oValues.TiltAxis, 6e-4},      {oValues.AtrHzFace1, gon(0.04)}};
        for (const auto& rPair : lstCompared)
            QVERIFY2(std::fabs(rPair.first - rPair.second) <= dTolerance,
                     qPrintable(QStringLiteral("%1 instead of %2").arg(rPair.first, 0, 'g', 12).arg(rPair.second)));
        QVERIFY(oModel.store());
        QCOMPARE(VSIM::SettingsC::doubleValue("Calibration/TiltingAxis"), oValues.TiltAxis);
        QCOMPARE(VSIM::SettingsC::doubleValue("Calibration/AtrHz"), gon(0.04));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }
};

KESTRA_TEST_MAIN(CalibrationModelTest)
#include "tst_KTX_APP_CalibrationModel.moc"
