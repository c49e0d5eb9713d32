// The calibration parameters the instrument keeps: a saved set reads back exactly, and a
// statistic damaged in the file reads as none rather than as numbers that cannot be shown.
#include "KestraTest.h"

#include "SimInstrument/VSIM_Registry.h"
#include "Stadion/VMN_SensorCalibrationParameterSet.h"

#include <QSettings>

using SDR::CalibrationParametersC;

class SensorCalibrationParameterSetTest : public QObject
{
    Q_OBJECT

private slots:
    void savedSetReadsBack()
    {
        CalibrationParametersC oSaved;
        for (int i = 0; i < CalibrationParametersC::QUANTITY_COUNT; ++i) {
            oSaved.setValue(i, (i + 1) * 1.25e-5);
            oSaved.setStatistic(i, {9500.123456789 + i, 21.3, 1.0 / (i + 3)});
        }
        for (int i = 0; i < CalibrationParametersC::ATR_FACE_VALUE_COUNT; ++i)
            oSaved.setAtrFaceValue(i, -0.001 * (i + 1));
        oSaved.setCalibrationTemperature(-4.5);
        VMN::SensorCalibrationParameterSetC oSet(1);
        oSet.setParameters(oSaved);
        QCOMPARE(oSet.save(0), int(CCF::ParameterRecordC::RC_PARAMETER_OK));

        VMN::SensorCalibrationParameterSetC oRead(1);
        QCOMPARE(oRead.load(0), int(CCF::ParameterRecordC::RC_PARAMETER_OK));
        const CalibrationParametersC oLoaded = oRead.getParameters();
        for (int i = 0; i < CalibrationParametersC::QUANTITY_COUNT; ++i) {
            QCOMPARE(oLoaded.getValue(i), oSaved.getValue(i));
            QCOMPARE(oLoaded.getStatistic(i).dDateTime, oSaved.getStatistic(i).dDateTime);
            QCOMPARE(oLoaded.getStatistic(i).dTemperature, oSaved.getStatistic(i).dTemperature);
            QCOMPARE(oLoaded.getStatistic(i).dStdDeviation, oSaved.getStatistic(i).dStdDeviation);
        }
        for (int i = 0; i < CalibrationParametersC::ATR_FACE_VALUE_COUNT; ++i)
            QCOMPARE(oLoaded.getAtrFaceValue(i), oSaved.getAtrFaceValue(i));
        QCOMPARE(oLoaded.getCalibrationTemperature(), -4.5);
    }

    void storedStatistic_data()
    {
        QTest::addColumn<QString>("strStored");
        QTest::addColumn<QList<double>>("lstRead");
        QTest::newRow("three numbers") << "9500.5 21.5 1e-05" << QList<double>{9500.5, 21.5, 1e-05};
        QTest::newRow("more blanks") << "  9500.5   21.5 2 " << QList<double>{9500.5, 21.5, 2.0};
        QTest::newRow("not a number") << "nan 21.5 1" << QList<double>{0, 0, 0};
        QTest::newRow("infinite") << "9500 inf 1" << QList<double>{0, 0, 0};
        QTest::newRow("too large") << "1e999 0 0" << QList<double>{0, 0, 0};
        QTest::newRow("one word damaged") << "9500 x 1" << QList<double>{0, 0, 0};
        QTest::newRow("two numbers") << "9500 21" << QList<double>{0, 0, 0};
    }

    void storedStatistic()
    {
        QFETCH(QString, strStored);
        QFETCH(QList<double>, lstRead);
        {
            // As a damaged or hand-edited file holds it, past the checks of a write.
            QSettings oFile(VSIM::simulatorSettingsFile(), QSettings::IniFormat);
            oFile.setValue(QStringLiteral("Calibration/Statistics/VIndex"), strStored);
        }
        VMN::SensorCalibrationParameterSetC oSet(1);
        QCOMPARE(oSet.load(0), int(CCF::ParameterRecordC::RC_PARAMETER_OK));
        const SDR::CalibrationStatisticS sRead = oSet.getParameters().getStatistic(CalibrationParametersC::V_INDEX);
        QCOMPARE((QList<double>{sRead.dDateTime, sRead.dTemperature, sRead.dStdDeviation}), lstRead);
    }
};

KESTRA_TEST_MAIN(SensorCalibrationParameterSetTest)
#include "tst_VMN_SensorCalibrationParameterSet.moc"
