// Settings > Atmos. from the main menu, through the real main controller: the panel shows the
// instrument's correction data in the configured units, height and pressure follow each other,
// the ppm follows the air, F6 stores into the correction data and the refraction configuration,
// a change of the correction data by another program shows at once.
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"
#include "KestraProcess.h"

#include "KTX/APP/KTX_APP_AtmosphericSettingsApplication.h"
#include "KTX/APP/KTX_APP_AtmosphericSettingsModel.h"
#include "KTX/APP/KTX_APP_AtmosphericSettingsPanel.h"
#include "KTX/KTX_MainController.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "Marrowlib/CCF_ConfigRecordFile.h"
#include "Marrowlib/CCF_CorrectionDataNotification.h"
#include "Marrowlib/CCF_RefractionConfig.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/INS_CorrectionData.h"
#include "Trigonel/GEO_Atmosphere.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_ValueModel.h"
#include "V40_LNG_TokenNames.h"

#include <QDir>
#include <QLineEdit>

namespace {

using Model = KTX::APP::AtmosphericSettingsModelC;

int s_iBeeps = 0;

KTX::APP::AtmosphericSettingsPanelC* shownPanel()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    return pPage ? pPage->findChild<KTX::APP::AtmosphericSettingsPanelC*>() : nullptr;
}

// "<title> <function keys>: <row>|<row>|...", each row its text and unit; the title alone when
// no atmospheric settings are shown.
QString shownScreen()
{
    KTX::APP::AtmosphericSettingsPanelC* pPanel = shownPanel();
    if (!pPanel || !pPanel->isVisible())
        return GuiKeyDriver::title();
    QStringList lstRows;
    for (int iKey = Model::KEY_HEIGHT; iKey <= Model::KEY_USE_REFRACTION; ++iKey) {
        V40::GUI::AbstractValueWidgetC* pWidget = pPanel->getRow(iKey)->getValueWidget();
        QString strText;
        if (auto* pCombo = qobject_cast<V40::GUI::ComboWidgetC*>(pWidget))
            strText = pCombo->itemText(pCombo->getCurrentIndex());
        else
            strText = qobject_cast<V40::GUI::ValueWidgetC*>(pWidget)->getLineEdit()->text();
        const QString strUnit = pWidget->getUnitText();
        lstRows << (strUnit.isEmpty() ? strText : strText + " " + strUnit);
    }
    QStringList lstKeys;
    for (int iKey : GuiKeyDriver::enabledFunctionKeys())
        lstKeys << QStringLiteral("F%1").arg(iKey - Qt::Key_F1 + 1);
    return QStringLiteral("%1 %2: %3").arg(GuiKeyDriver::title(), lstKeys.join('+'), lstRows.join('|'));
}

// Temperature, pressure, humidity, ppm, coefficient of the correction data; switch and
// coefficient of the refraction configuration. "none" while nothing is stored.
QString storedRecords()
{
    if (!QFile::exists(INS::CorrectionDataC::recordPath()))
        return QStringLiteral("none");
    SDR::AtmosphericCorrectionC oData;
    if (INS::CorrectionDataC(1).fetch(oData) != INS::CorrectionDataC::RC_OK)
        return QStringLiteral("unusable");
    double dHumidity = -1.0;
    GEO::relativeHumidity(oData.getPressure(), oData.getWetTemperature(), oData.getDryTemperature(), dHumidity);
    bool bOn = false;
    double dCoefficient = 0.0;
    CCF::RefractionConfigC().read(bOn, dCoefficient);
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
        .arg(oData.getDryTemperature(), 0, 'f', 1)
        .arg(oData.getPressure(), 0, 'f', 2)
        .arg(dHumidity, 0, 'f', 1)
        .arg(oData.getPpm(), 0, 'f', 1)
        .arg(oData.getRefractionCoefficient(), 0, 'f', 2)
        .arg(bOn ? "Yes" : "No")
        .arg(dCoefficient, 0, 'f', 2);
}

void removeRecords()
{
    for (const QString& strPath : {INS::CorrectionDataC::recordPath(), CCF::ConfigRecordFileC("REFR", 1, 1).filePath()}) {
        QDir(strPath).removeRecursively();
        QFile::remove(strPath);
    }
    QFile::remove(CCF::ConfigRecordFileC("CONF", KTX::UTI::UnitConfigC::RECORD_ID1, KTX::UTI::UnitConfigC::RECORD_ID2).filePath());
}

SDR::AtmosphericCorrectionC correctionData(double dTemperature, double dPressure, double dHumidity)
{
    SDR::AtmosphericCorrectionC oData = INS::CorrectionDataC::factoryValues();
    double dWet = 0.0;
    GEO::wetBulbTemperature(dPressure, dTemperature, dHumidity, dWet);
    oData.setDryTemperature(dTemperature);
    oData.setPressure(dPressure);
    oData.setWetTemperature(dWet);
    return oData;
}

// The situation a row starts from.
bool prepare(const QString& strSetup)
{
    removeRecords();
    if (strSetup == "stored") {
        SDR::AtmosphericCorrectionC oData = correctionData(25.0, 1000.0, 40.0);
        oData.setRefractionCoefficient(0.0);
        return INS::CorrectionDataC(1).store(oData) == 0 && CCF::RefractionConfigC().write(false, 0.2) == 0;
    }
    if (strSetup == "imperial") {
        KTX::UTI::UnitConfigC oUnits;
        oUnits.setToDefault();
        oUnits.setDistanceUnit(KTX::UTI::DU_UsSurveyFoot);
        oUnits.setTemperatureUnit(KTX::UTI::TU_Fahrenheit);
        oUnits.setPressureUnit(KTX::UTI::PU_InHg);
        return oUnits.save();
    }
    if (strSetup == "damaged") {
        QFile oFile(INS::CorrectionDataC::recordPath());
        return QDir().mkpath(CCF::ConfigRecordFileC::recordDir()) && oFile.open(QIODevice::WriteOnly)
            && oFile.write("KREC and then nothing") > 0;
    }
    // Nothing can be read there, nor written.
    if (strSetup == "blocked")
        return QDir().mkpath(INS::CorrectionDataC::recordPath() + "/blocked");
    return strSetup == "factory";
}

// The simulator control tool, as another program on the instrument; true when it did what it was told.
bool simulatorControl(const QStringList& lstArguments)
{
    KestraTest::ProgramC oSimCtl(KestraTest::simRoot(), KestraTest::binDir() + "/KestraSimCtl");
    return oSimCtl.start(lstArguments) && oSimCtl.waitForFinished() && oSimCtl.exitCode() == 0;
}

// Another program on the instrument sets the temperature; the step returns once the screen
// shows it (or after the time).
void changeTemperatureOutside(const QString& strTemperature)
{
    QVERIFY(simulatorControl({"correction", "temperature", strTemperature}));
    const QString strShown = "|" + QString::number(strTemperature.toDouble(), 'f', 1) + " ";
    KestraTest::waitFor([&] { return shownScreen().contains(strShown); });
}

const QMap<QString, int> s_mapKeys{{"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},   {"Left", Qt::Key_Left},
                                   {"Right", Qt::Key_Right},   {"Enter", Qt::Key_Return}, {"Escape", Qt::Key_Escape},
                                   {"F1", Qt::Key_F1},         {"F5", Qt::Key_F5},       {"F6", Qt::Key_F6}};

void addTyping(GuiKeyDriver::KeyScript& rScript, const QString& strText)
{
    for (QChar c : strText) {
        if (c.isDigit())
            rScript.key(Qt::Key_0 + c.digitValue());
        else
            rScript.key(c == '.' ? Qt::Key_Period : Qt::Key_Minus);
    }
}

int indexOfCaption(const QList<V40::GUI::AbstractMenuComponentC*>& lstComponents, int iCaptionToken)
{
    for (int i = 0; i < lstComponents.size(); ++i) {
        if (lstComponents.at(i)->getProperties().getCaptionToken() == iCaptionToken)
            return i;
    }
    return -1;
}

bool titleBecomes(const QString& strTitle)
{
    return KestraTest::waitFor([&] {
        V40::GUI::MainWindowC* pMainWindow = KestraTest::existingMainWindow();
        return pMainWindow && pMainWindow->isVisible() && GuiKeyDriver::title() == strTitle;
    });
}

} // namespace

class AtmosphericSettingsApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        V40::GUI::AbstractValueWidgetC::setBeepHook([] { ++s_iBeeps; });
        QVERIFY(m_oPlatform.start());
        m_oPlatform.task().startGui();
        QVERIFY(titleBecomes(QStringLiteral("MAIN MENU")));
        V40::GUI::MenuContainerC* pRoot = m_oPlatform.controller().rootMenuContainer();
        const int iSettings = indexOfCaption(pRoot->components(), V40::LNG::TK::Menu_Settings);
        QVERIFY(iSettings >= 0);
        auto* pSettings = qobject_cast<V40::GUI::MenuContainerC*>(pRoot->components().at(iSettings));
        const int iAtmos = indexOfCaption(pSettings->components(), V40::LNG::TK::Menu_Atmos);
        QVERIFY(iAtmos >= 0);
        QCOMPARE(pSettings->components().at(iAtmos)->getProperties().getIconPath(), QStringLiteral(":/Images/atmos.png"));
        m_iAtmosDigit = Qt::Key_1 + iAtmos;
        GuiKeyDriver::pressKey(Qt::Key_1 + iSettings);
        QVERIFY(titleBecomes(QStringLiteral("SETTINGS")));
    }

    void cleanupTestCase()
    {
        removeRecords();
        m_oPlatform.stop();
        V40::GUI::AbstractValueWidgetC::setBeepHook(nullptr);
    }

    void init()
    {
        KestraTest::clearReports();
        s_iBeeps = 0;
    }

    void scenario_data()
    {
        const QString strTitle = QStringLiteral("ATMOSPHERIC SETTINGS F5+F6: ");
        const QString strFactory = strTitle + "0.000 m|12.0 °C|1013.25 hPa|60.0 %|0.0 PPM|0.13|Yes";
        const QString strStored = QStringLiteral("Information: Data stored ...");
        const QString strQuestion = QStringLiteral("Information: Exit?\n\nModifications will be ignored!");
        const QString strFactoryRecord = QStringLiteral("12.0|1013.25|60.0|0.0|0.13|Yes|0.13");
        QTest::addColumn<QString>("strSetup");
        // Keys by name, numbers typed, "note" the screen, "beeps" the beeps so far, "outside 25"
        // the temperature set by another program.
        QTest::addColumn<QStringList>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<QString>("strExpectedRecords");
        QTest::addColumn<QStringList>("lstExpectedReports");

        QTest::newRow("factory values give 0 ppm; Escape leaves silently")
            << "factory" << QStringList{"note", "Escape"} << QStringList{strFactory} << "none" << QStringList();
        QTest::newRow("20 degrees give +8 ppm, F6 stores")
            << "factory" << QStringList{"Down", "20", "Enter", "note", "F6"}
            << QStringList{strTitle + "0.000 m|20.0 °C|1013.25 hPa|60.0 %|8.0 PPM|0.13|Yes", strStored}
            << "20.0|1013.25|60.0|8.0|0.13|Yes|0.13" << QStringList();
        QTest::newRow("a height sets the pressure of the standard atmosphere")
            << "factory" << QStringList{"1000", "Enter", "note", "F6"}
            << QStringList{strTitle + "1000.000 m|12.0 °C|898.75 hPa|60.0 %|32.4 PPM|0.13|Yes", strStored}
            << "12.0|898.75|60.0|32.4|0.13|Yes|0.13" << QStringList();
        QTest::newRow("a pressure sets the height; leaving asks")
            << "factory" << QStringList{"Down", "Down", "950", "Enter", "note", "Escape", "F6"}
            << QStringList{strTitle + "540.337 m|12.0 °C|950.00 hPa|60.0 %|17.9 PPM|0.13|Yes", strQuestion}
            << "none" << QStringList();
        QTest::newRow("an impossible height beeps and keeps the old value")
            << "factory" << QStringList{"9500", "Enter", "beeps", "note", "Escape"}
            << QStringList{"beeps: 1", strFactory} << "none" << QStringList();
        QTest::newRow("a pressure without a height in range beeps")
            << "factory" << QStringList{"Down", "Down", "1290", "Enter", "beeps", "note", "Escape"}
            << QStringList{"beeps: 1", strFactory} << "none" << QStringList();
        QTest::newRow("71 degrees are refused by the range")
            << "factory" << QStringList{"Down", "71", "beeps", "Enter", "note", "Escape", "F1", "Escape", "F6"}
            << QStringList{"beeps: 1", strTitle + "0.000 m|7.0 °C|1013.25 hPa|60.0 %|-5.2 PPM|0.13|Yes", strQuestion,
                           strQuestion}
            << "none" << QStringList();
        QTest::newRow("no refraction: 0 in the correction data, the coefficient kept")
            << "factory" << QStringList{"Down", "Down", "Down", "Down", "0.2", "Enter", "Right", "note", "F6"}
            << QStringList{strTitle + "0.000 m|12.0 °C|1013.25 hPa|60.0 %|0.0 PPM|0.20|No", strStored}
            << "12.0|1013.25|60.0|0.0|0.00|No|0.20" << QStringList();
        QTest::newRow("stored values are shown; F5 and F6 store the factory values")
            << "stored" << QStringList{"note", "F5", "note", "F6"}
            << QStringList{strTitle + "110.884 m|25.0 °C|1000.00 hPa|40.0 %|16.2 PPM|0.20|No", strFactory, strStored}
            << strFactoryRecord << QStringList();
        QTest::newRow("F5 then Escape keeps the stored values")
            << "stored" << QStringList{"F5", "Escape", "F6"} << QStringList{strQuestion}
            << "25.0|1000.00|40.0|0.0|0.00|No|0.20" << QStringList();
        QTest::newRow("degrees Fahrenheit, inches of mercury and US feet")
            << "imperial" << QStringList{"note", "Down", "68", "Enter", "note", "F6"}
            << QStringList{strTitle + "0.000 ft|53.6 °F|29.92 inHg|60.0 %|0.0 PPM|0.13|Yes",
                           strTitle + "0.000 ft|68.0 °F|29.92 inHg|60.0 %|8.0 PPM|0.13|Yes", strStored}
            << "20.0|1013.25|60.0|8.0|0.13|Yes|0.13" << QStringList();
        QTest::newRow("159 degrees Fahrenheit are beyond 70 degrees")
            << "imperial" << QStringList{"Down", "159", "beeps", "Escape", "F6"}
            << QStringList{"beeps: 1", strQuestion} << "none" << QStringList();
        QTest::newRow("a height in US feet")
            << "imperial" << QStringList{"3280.833", "Enter", "note", "Escape", "F6"}
            << QStringList{strTitle + "3280.833 ft|53.6 °F|26.54 inHg|60.0 %|32.4 PPM|0.13|Yes", strQuestion}
            << "none" << QStringList();
        QTest::newRow("a change from outside shows at once; nothing to ask then")
            << "factory" << QStringList{"note", "outside 25", "note", "Escape"}
            << QStringList{strFactory, strTitle + "0.000 m|25.0 °C|1013.25 hPa|60.0 %|12.9 PPM|0.13|Yes"}
            << "25.0|1013.25|60.0|12.9|0.13|Yes|0.13" << QStringList();
        QTest::newRow("damaged record: reported, OK stores the factory values shown")
            << "damaged" << QStringList{"note", "F6"} << QStringList{strFactory, strStored} << strFactoryRecord
            << QStringList{"0 == oCorrectionData.fetch( oData )"};
        QTest::newRow("store fails: reported, the application ends")
            << "blocked" << QStringList{"Down", "20", "Enter", "F6", "F6", "note"}
            << QStringList{"Error: Data could not be stored!", "SETTINGS"} << "unusable"
            << QStringList{"0 == oCorrectionData.fetch( oData )"};
    }

    void scenario()
    {
        QFETCH(QString, strSetup);
        QFETCH(QStringList, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QVERIFY(prepare(strSetup));

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (const QString& strStep : lstSteps) {
            if (strStep == "note")
                oScript.call([&] { lstNotes << shownScreen(); });
            else if (strStep == "beeps")
                oScript.call([&] { lstNotes << QStringLiteral("beeps: %1").arg(s_iBeeps); });
            else if (strStep.startsWith("outside "))
                oScript.call([strStep] { changeTemperatureOutside(strStep.mid(8)); });
            else if (s_mapKeys.contains(strStep))
                oScript.call(StateTest::noteMessage(&lstNotes)).key(s_mapKeys.value(strStep));
            else
                addTyping(oScript, strStep);
        }
        oScript.call(StateTest::noteMessage(&lstNotes));
        oScript.start();
        GuiKeyDriver::pressKey(m_iAtmosDigit); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone());
        const QString strRecords = storedRecords();
        removeRecords();

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
        QTEST(strRecords, "strExpectedRecords");
        QTEST(KestraTest::assertTexts(), "lstExpectedReports");
    }

    // All seven rows on the page, one below the other, in the widest units; screenshots to look at
    // beside the test.
    void screenFitsThePage()
    {
        QVERIFY(prepare("imperial"));
        GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/SettingsWithAtmos.png");
        QList<QRect> lstRows;
        GuiKeyDriver::KeyScript oScript;
        oScript.call([&] {
            QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
            KTX::APP::AtmosphericSettingsPanelC* pPanel = shownPanel();
            for (int iKey = Model::KEY_HEIGHT; pPanel && iKey <= Model::KEY_USE_REFRACTION; ++iKey) {
                const QRect oRow(pPanel->getRow(iKey)->mapTo(pPage, QPoint()), pPanel->getRow(iKey)->size());
                if (pPage->rect().contains(oRow) && (lstRows.isEmpty() || oRow.top() > lstRows.last().bottom()))
                    lstRows << oRow;
            }
            GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/AtmosphericSettings.png");
        });
        oScript.key(Qt::Key_Down).key(Qt::Key_1).key(Qt::Key_Escape).call([] {
            GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/AtmosphericSettingsExit.png");
        });
        oScript.key(Qt::Key_F6);
        oScript.start();
        GuiKeyDriver::pressKey(m_iAtmosDigit);
        QVERIFY(oScript.waitUntilDone());
        removeRecords();
        QCOMPARE(lstRows.size(), 7);
    }

    // The simulator control tool stores no air the instrument cannot correct for.
    void simulatorControlRefusesImpossibleAir()
    {
        QVERIFY(prepare("factory"));
        QVERIFY(!simulatorControl({"correction", "pressure", "1290"}));
        QVERIFY(!simulatorControl({"correction", "temperature", "71"}));
        QVERIFY(!simulatorControl({"correction", "humidity", "50"}));
        QCOMPARE(storedRecords(), QStringLiteral("none"));
        QVERIFY(simulatorControl({"correction", "pressure", "898.75"}));
        QCOMPARE(storedRecords(), QStringLiteral("12.0|898.75|60.0|32.4|0.13|Yes|0.13"));
        removeRecords();
    }

    // The model apart from its panel: what the ppm needs, which notifications reload, what a key
    // outside the table does, and the successor table outside the ways the keys take.
    void modelOutsideTheScreen()
    {
        QVERIFY(prepare("factory"));
        KTX::APP::AtmosphericSettingsPanelC oPanel;
        auto* pModel = qobject_cast<Model*>(oPanel.getModel());
        double dPpm = 1.0;
        QVERIFY(pModel->computePpm(dPpm));
        QCOMPARE(dPpm, 0.0);
        // No humidity, no ppm: the last one stays.
        pModel->setValue(Model::KEY_TEMPERATURE, 20.0);
        const QVariant varPpmAt20 = pModel->getValue(Model::KEY_PPM);
        QVERIFY(qAbs(varPpmAt20.toDouble() - 8.0) < 0.05);
        pModel->getInputModel(Model::KEY_HUMIDITY)->setValue(QVariant());
        QVERIFY(!pModel->computePpm(dPpm));
        pModel->setValue(Model::KEY_TEMPERATURE, 30.0);
        QCOMPARE(pModel->getValue(Model::KEY_PPM), varPpmAt20);
        // Only the correction data's own notification reads the instrument again.
        pModel->onConfigurationChanged(CCF::NOTIFY_CORRECTION_DATA_CHANGED + 1);
        QCOMPARE(pModel->getValue(Model::KEY_TEMPERATURE).toDouble(), 30.0);
        pModel->onConfigurationChanged(CCF::NOTIFY_CORRECTION_DATA_CHANGED);
        QCOMPARE(pModel->getValue(Model::KEY_TEMPERATURE).toDouble(), 12.0);
        QVERIFY(!pModel->isModified());
        pModel->OnValueChanged(7);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"false"}));
        KestraTest::clearReports();

        // Thin, hot, humid air, where the carrier counts: one the atmosphere does not know is
        // taken as 0.7 µm.
        pModel->setValue(Model::KEY_PRESSURE, 289.8);
        pModel->setValue(Model::KEY_TEMPERATURE, 70.0);
        pModel->setValue(Model::KEY_HUMIDITY, 100.0);
        const auto fnPpmAt = [&](double dMicrometres) {
            double dWet = 0.0, dExpected = 0.0;
            GEO::wetBulbTemperature(289.8, 70.0, 100.0, dWet);
            GEO::atmosphericPpm(289.8, 70.0, dWet, dMicrometres * 1e-6, dExpected);
            return dExpected;
        };
        for (const double dCarrier : {0.658, 0.85, 1.5, 0.3}) {
            QVERIFY(VSIM::SettingsC::setValue("EDM/CarrierWavelength", dCarrier));
            QVERIFY(pModel->computePpm(dPpm));
            QVERIFY2(qAbs(dPpm - fnPpmAt(dCarrier > 1.1 || dCarrier < 0.4 ? 0.7 : dCarrier)) < 1e-5,
                     qPrintable(QString::number(dCarrier)));
        }
        QVERIFY(qAbs(fnPpmAt(0.658) - fnPpmAt(0.7)) > 0.5);
        QVERIFY(VSIM::SettingsC::setValue("EDM/CarrierWavelength", 0.658));

        // The time of the change is the instrument's, which runs ten days ahead here.
        QVERIFY(VSIM::SettingsC::setValue("Clock/Offset", 864000.0));
        QVERIFY(pModel->store());
        QVERIFY(VSIM::SettingsC::setValue("Clock/Offset", 0.0));
        SDR::AtmosphericCorrectionC oStored;
        QCOMPARE(INS::CorrectionDataC(1).fetch(oStored), 0);
        const QDateTime oNow = QDateTime::currentDateTime();
        const double dHostDays = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)
                                     .msecsTo(QDateTime(oNow.date(), oNow.time(), Qt::UTC)) / 86400000.0;
        QVERIFY2(qAbs(oStored.getTimeStamp() - dHostDays - 10.0) < 0.01, qPrintable(QString::number(oStored.getTimeStamp())));
        removeRecords();

        KTX::APP::AtmosphericSettingsApplicationC oApplication;
        const int iDefault = KTX::APP::AtmosphericSettingsApplicationC::s_iExitCodeSetToDefault;
        QCOMPARE(oApplication.getNextStateId(3, V40::APP::s_iExitCodeFail), -1);
        QCOMPARE(oApplication.getNextStateId(1, V40::APP::s_iExitCodeFail), 0);
        QCOMPARE(oApplication.getNextStateId(2, iDefault), -2);
        QCOMPARE(oApplication.getNextStateId(0, V40::APP::lastExitCode() + 1), -2);
        KestraTest::clearReports();
        QCOMPARE(oApplication.getNextStateId(7, V40::APP::s_iExitCodeSuccess), -2);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unknown state."}));
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    int m_iAtmosDigit = 0;
};

KESTRA_TEST_MAIN(AtmosphericSettingsApplicationTest)
#include "tst_KTX_APP_AtmosphericSettingsApplication.moc"
