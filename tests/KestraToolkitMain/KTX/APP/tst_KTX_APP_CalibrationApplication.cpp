// Apps > Calib. from the main menu, through the real main controller and the simulated
// instrument: level, eight measurements in both faces, the results and their storing; the
// messages of refused measurements, leaving on the way, and the stored data.
#include "StateTestApplication.h"

#include "KTX/APP/KTX_APP_CalibrationResultsPanel.h"
#include "KTX/APP/KTX_APP_CalibrationStepXPanel.h"
#include "KTX/APP/KTX_APP_CalibrationViewDataPanel.h"
#include "KTX/APP/KTX_APP_LevelLaserPlummetPanel.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_ProgressDialog.h"

#include "Trigonel/GEO_Angle.h"

#include <QLabel>
#include <QPainter>

#include <cmath>

namespace {

using namespace KTX::APP;

double gon(double dGon)
{
    return dGon / 200.0 * GEO::PI;
}

QString rad(double dGon)
{
    return QString::number(gon(dGon), 'g', 17);
}

const QStringList s_lstResetKeys{
    "Adjustment/CompensatorLIndex", "Adjustment/CompensatorTIndex", "Adjustment/VIndex", "Adjustment/HzCollimation",
    "Adjustment/TiltingAxis",       "Adjustment/AtrHz",             "Adjustment/AtrV",   "Calibration/LIndex",
    "Calibration/TIndex",           "Calibration/VIndex",           "Calibration/HzCollimation",
    "Calibration/TiltingAxis",      "Calibration/AtrHz",            "Calibration/AtrV",  "Telescope/Hz",
    "Telescope/V",                  "Sensor/TiltL",                 "Sensor/TiltT",      "Capability/ATR",
    "Capability/Motorised",         "Measurement/FailSensor",       "Measurement/FailCode"};

// True errors (gon) of the full runs, and where each is stored.
const QList<QPair<QString, double>> s_lstTrueErrors{{"CompensatorLIndex", 0.002}, {"CompensatorTIndex", -0.003},
                                                   {"VIndex", 0.004},            {"HzCollimation", -0.005},
                                                   {"TiltingAxis", 0.006}};
const QStringList s_lstStoredKeys{"Calibration/LIndex", "Calibration/TIndex", "Calibration/VIndex",
                                  "Calibration/HzCollimation", "Calibration/TiltingAxis"};

template <class PanelT>
PanelT* shown()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    PanelT* pPanel = pPage ? pPage->findChild<PanelT*>() : nullptr;
    return pPanel && pPanel->isVisible() ? pPanel : nullptr;
}

QString value(const V40::GUI::HLabeledWidgetC* pRow)
{
    return pRow->getValueWidget()->getDisplayValue().toString();
}

QString rows(const CalibrationValueRowsC& rRows)
{
    QStringList lstValues;
    for (int i = 0; i < CalibrationValueRowsC::ROW_COUNT; ++i)
        lstValues << value(rRows.row(i));
    return lstValues.join(',');
}

// What the screen shows, in one line.
QString shownScreen()
{
    QStringList lstMessage;
    StateTest::noteMessage(&lstMessage)();
    if (!lstMessage.isEmpty())
        return lstMessage.first();
    for (auto* pDialog : GuiKeyDriver::mainWindow()->findChildren<V40::GUI::ProgressDialogC*>()) {
        if (pDialog->isVisible())
            return pDialog->text();
    }
    if (auto* pStep = shown<CalibrationStepXPanelC>())
        return QStringLiteral("%1 | %2 | Hz %3 | V %4")
            .arg(GuiKeyDriver::title(), pStep->getMeasurementLabel()->text(), value(pStep->getHzRow()),
                 value(pStep->getVRow()));
    if (auto* pResults = shown<CalibrationResultsPanelC>())
        return QStringLiteral("%1 | %2 | Old %3 | %4")
            .arg(GuiKeyDriver::title(), rows(pResults->newRows()), rows(pResults->oldRows()),
                 pResults->getATRLabel()->text());
    if (auto* pData = shown<CalibrationViewDataPanelC>())
        return QStringLiteral("%1 | %2").arg(GuiKeyDriver::title(), rows(pData->rows()));
    return GuiKeyDriver::title();
}

// The main window with the progress dialog over it, if it is shown.
void screenshot(const QString& strName)
{
    V40::GUI::MainWindowC* pMainWindow = GuiKeyDriver::mainWindow();
    QPixmap oScreen = pMainWindow->grab();
    for (auto* pDialog : pMainWindow->findChildren<V40::GUI::ProgressDialogC*>()) {
        if (pDialog->isVisible()) {
            QPainter oPainter(&oScreen);
            oPainter.drawPixmap(pMainWindow->mapFromGlobal(pDialog->mapToGlobal(QPoint())), pDialog->grab());
        }
    }
    oScreen.save(StateTest::screenshotPath(strName));
}

// The step screen shows the telescope at the zenith angle (gon), within a few errors.
bool showsAim(double dV)
{
    auto* pStep = shown<CalibrationStepXPanelC>();
    if (!pStep)
        return false;
    const QVariant varV = pStep->getVRow()->getValueWidget()->getValue();
    return varV.isValid() && std::fabs(varV.toDouble() - gon(dV)) < gon(0.5);
}

// Until the application has ended: answers a message with F6, leaves a screen with Escape.
bool leftApplication()
{
    const QString strTitle = GuiKeyDriver::title();
    if (strTitle == QStringLiteral("MAIN MENU") || strTitle == QStringLiteral("CALIBRATION"))
        return true;
    QStringList lstMessage;
    StateTest::noteMessage(&lstMessage)();
    GuiKeyDriver::pressKey(lstMessage.isEmpty() ? Qt::Key_Escape : Qt::Key_F6);
    return false;
}

// Steps: a key ("F6", "F1", "Escape"), "aim:<Hz>,<V>" (gon; waits until the step screen shows
// it), "showing:<V>" (only waits so), "set:<key>=<value>", "see:<start>"
// (waits until the screen starts so, then notes that start, or all of it when it does not come),
// "note" (notes the whole screen), "shot:<name>" (a screenshot to look at).
void addSteps(GuiKeyDriver::KeyScript& rScript, const QStringList& lstSteps, QStringList* pNotes)
{
    for (const QString& strStep : lstSteps) {
        const QString strArgument = strStep.section(':', 1);
        if (strStep.startsWith("aim:")) {
            const double dV = strArgument.section(',', 1).toDouble();
            rScript.call([strArgument, dV] {
                VSIM::SettingsC::setValues({{"Telescope/Hz", gon(strArgument.section(',', 0, 0).toDouble())},
                                            {"Telescope/V", gon(dV)}});
            });
            rScript.waitUntil([dV] { return showsAim(dV); });
        } else if (strStep.startsWith("showing:")) {
            const double dV = strArgument.toDouble();
            rScript.waitUntil([dV] { return showsAim(dV); });
        } else if (strStep.startsWith("set:")) {
            rScript.call([strArgument] { VSIM::SettingsC::setValue(strArgument.section('=', 0, 0), strArgument.section('=', 1)); });
        } else if (strStep.startsWith("see:")) {
            rScript.waitUntil([strArgument] { return shownScreen().startsWith(strArgument); }, 10000);
            rScript.call([pNotes, strArgument] {
                const QString strScreen = shownScreen();
                *pNotes << (strScreen.startsWith(strArgument) ? strArgument : strScreen);
            });
        } else if (strStep == "note") {
            rScript.call([pNotes] { *pNotes << shownScreen(); });
        } else if (strStep.startsWith("shot:")) {
            rScript.call([strArgument] { screenshot(strArgument); });
        } else {
            const int iKey = strStep == "Escape" ? Qt::Key_Escape : Qt::Key_F1 + strStep.mid(1).toInt() - 1;
            rScript.key(iKey);
        }
    }
    // Whatever went wrong, the application ends.
    rScript.waitUntil(leftApplication, 20000);
}

// Screens seen and steps taken for a whole calibration from the level screen on, the faces
// turned by the instrument or (not motorised) aimed at by hand; step 1 at the horizon, step 2 at
// a steep target.
void fullRun(bool bMotorised, QStringList& rlstSteps, QStringList& rlstNotes)
{
    rlstSteps << "F6";
    const QList<QPair<double, double>> lstTargets{{0, 100}, {30, 50}};
    for (int iStep = 1; iStep <= 2; ++iStep) {
        const QPair<double, double> oTarget = lstTargets.at(iStep - 1);
        for (int iMeasurement = 1; iMeasurement <= 4; ++iMeasurement) {
            const bool bFaceOne = iMeasurement % 2 == 1;
            const QString strScreen = QStringLiteral("Calibration: Step %1 | Measurement %2: Face %3")
                                          .arg(iStep).arg((iMeasurement + 1) / 2).arg(bFaceOne ? 1 : 2);
            rlstSteps << "see:" + strScreen;
            rlstNotes << strScreen;
            const double dV = bFaceOne ? oTarget.second : 400 - oTarget.second;
            // The motorised instrument turns to the other face by itself.
            if (!bMotorised || iMeasurement == 1)
                rlstSteps << QStringLiteral("aim:%1,%2").arg(bFaceOne ? oTarget.first : oTarget.first + 200).arg(dV);
            else
                rlstSteps << QStringLiteral("showing:%1").arg(dV);
            if (iStep == 2 && iMeasurement == 1)
                rlstSteps << "shot:CalibrationStep2";
            rlstSteps << "F6";
        }
    }
}

} // namespace

class CalibrationApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_oPlatform.start());
        m_oPlatform.task().startGui();
        QVERIFY(StateTest::titleBecomes(QStringLiteral("MAIN MENU")));
        // Apps > Calib. > its three entries.
        m_lstMenu = StateTest::menuPath(m_oPlatform.controller().rootMenuContainer(), {184, 192});
        QCOMPARE(m_lstMenu, QList<int>({Qt::Key_4, Qt::Key_2}));
        const auto* pApps = qobject_cast<const V40::GUI::MenuContainerC*>(m_oPlatform.controller().rootMenuContainer()->components().at(3));
        const auto* pCalib = qobject_cast<const V40::GUI::MenuContainerC*>(pApps->components().at(1));
        for (int iToken : {198, 199, 200})
            m_lstEntries << StateTest::menuDigit(pCalib, iToken);
        QCOMPARE(m_lstEntries, QList<int>({Qt::Key_1, Qt::Key_2, Qt::Key_3}));
    }

    void cleanupTestCase() { m_oPlatform.stop(); }

    void scenario_data()
    {
        QTest::addColumn<int>("iEntry");
        QTest::addColumn<int>("iAngleUnit");
        QTest::addColumn<SettingList>("lstSettings");
        QTest::addColumn<QStringList>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        // Radians every stored quantity may be from its true error; negative: nothing stored.
        QTest::addColumn<double>("dTolerance");
        QTest::addColumn<QStringList>("lstAsserts");

        const QString strExit = QStringLiteral("Information: Exit?\n\nModifications will be ignored!");
        const QString strStored = QStringLiteral("Information: Data stored ...");
        const QString strFirst = QStringLiteral("Calibration: Step 1 | Measurement 1: Face 1");
        const QString strSecond = QStringLiteral("Calibration: Step 1 | Measurement 1: Face 2");
        SettingList lstTrue;
        for (const auto& rError : s_lstTrueErrors)
            lstTrue << qMakePair("Adjustment/" + rError.first, rad(rError.second));
        const QStringList lstFirstPair{"F6", "aim:0,100", "see:" + strFirst, "F6", "see:" + strSecond, "showing:300"};
        const QStringList lstLeave{"Escape", "see:" + strExit, "F6"};

        QStringList lstSteps;
        QStringList lstNotes;
        fullRun(true, lstSteps, lstNotes);
        QTest::newRow("Calibrate All: eight measurements, results, stored exactly")
            << 0 << int(KTX::UTI::AU_Gon) << lstTrue
            << lstSteps + QStringList{"see:Results", "shot:CalibrationResults", "note", "F6", "see:" + strStored}
            << lstNotes + QStringList{"Results", "Results | 0.0020,-0.0030,0.0040,-0.0050,0.0060 | Old 0.0000,0.0000,"
                                      "0.0000,0.0000,0.0000 | Trevo calibration was updated", strStored}
            << 1e-9 << QStringList();

        lstSteps.clear();
        lstNotes.clear();
        fullRun(false, lstSteps, lstNotes);
        QTest::newRow("without Trevo, turned by hand, with noise: stored within it, ATR kept")
            << 1 << int(KTX::UTI::AU_Gon)
            << lstTrue + SettingList{{"Capability/Motorised", "0"}, {"Measurement/AngleNoise", "1e-6"},
                                     {"Sensor/TiltNoise", "1e-6"}, {"Calibration/AtrHz", "1e-5"}}
            << lstSteps + QStringList{"see:Results", "F6", "see:" + strStored} << lstNotes + QStringList{"Results", strStored}
            << 2e-5 << QStringList();

        lstSteps.clear();
        lstNotes.clear();
        fullRun(true, lstSteps, lstNotes);
        // The simulator's own true errors.
        QTest::newRow("no ATR: Calibrate All without it; Exit? on the results, NO, YES")
            << 0 << int(KTX::UTI::AU_Gon) << SettingList{{"Capability/ATR", "0"}}
            << lstSteps + QStringList{"see:Results", "note", "Escape", "see:" + strExit, "F1", "see:Results"} + lstLeave
            << lstNotes + QStringList{"Results", "Results | 0.0015,-0.0010,0.0031,-0.0018,0.0012 | Old 0.0000,0.0000,"
                                      "0.0000,0.0000,0.0000 | Trevo calibration was not updated", strExit, "Results", strExit}
            << -1.0 << QStringList{"!m_bATRAdjust"};

        QTest::newRow("V index of 0.15 gon refused with the limit in degrees, pair again from face I")
            << 0 << int(KTX::UTI::AU_Degree) << SettingList{{"Adjustment/VIndex", rad(0.15)}}
            << lstFirstPair + QStringList{"F6", "see:Error", "shot:CalibrationError", "note", "F6", "see:" + strFirst} + lstLeave
            << QStringList{strFirst, strSecond, "Error",
                           QString::fromUtf8("Error: V index error\nerror > 0.0900°.\n\nRepeat measurement.\n\nIf "
                                             "frequently reported\ncontact Customer Support."),
                           strFirst, strExit}
            << -1.0 << QStringList();

        QTest::newRow("120 gon in step 1: invalid vertical angle, the step unchanged")
            << 0 << int(KTX::UTI::AU_Gon) << SettingList()
            << QStringList{"F6", "aim:0,120", "see:" + strFirst, "F6", "see:Error", "note", "F6", "see:" + strFirst, "note"} + lstLeave
            << QStringList{strFirst, "Error", "Error: Invalid vertical angle.\n\nValid range is:\n90.0000g < V < 110.0000g\n",
                           strFirst, strFirst + " | Hz 399.9977 | V 120.0031", strExit}
            << -1.0 << QStringList();

        QTest::newRow("out of level at a request: level again, from measurement 1")
            << 0 << int(KTX::UTI::AU_Gon) << SettingList()
            << lstFirstPair + QStringList{"set:Sensor/TiltL=0.01", "F6", "see:Information", "note", "F6", "see:LEVEL UP",
                                          "set:Sensor/TiltL=0", "F6", "see:" + strFirst} + lstLeave
            << QStringList{strFirst, strSecond, "Information", "Information: Out of level!\nRedo procedure?", "LEVEL UP",
                           strFirst, strExit}
            << -1.0 << QStringList();

        QTest::newRow("Escape while measuring does nothing")
            << 0 << int(KTX::UTI::AU_Gon) << SettingList()
            << QStringList{"F6", "aim:0,100", "see:" + strFirst, "F6", "see:Measuring", "shot:CalibrationMeasuring", "Escape",
                           "note", "see:" + strSecond, "shot:CalibrationStep"} + lstLeave
            << QStringList{strFirst, "Measuring", "Measuring ...", strSecond, strExit} << -1.0 << QStringList();

        QTest::newRow("out of level when leaving the level screen; Exit? NO, NO, YES, then Escape")
            << 1 << int(KTX::UTI::AU_Gon) << SettingList{{"Sensor/TiltL", "0.01"}}
            << QStringList{"Escape", "see:" + strExit, "F1", "see:LEVEL UP", "F6", "see:Information", "F1", "see:" + strExit,
                           "F1", "see:Information", "F6", "see:LEVEL UP"} + lstLeave
            << QStringList{strExit, "LEVEL UP", "Information", strExit, "Information", "LEVEL UP", strExit} << -1.0
            << QStringList();

        QTest::newRow("the instrument's own error: module and number")
            << 0 << int(KTX::UTI::AU_Gon) << SettingList{{"Measurement/FailSensor", "angle"}, {"Measurement/FailCode", "0x25E00005"}}
            << lstFirstPair.mid(0, 3) + QStringList{"F6", "see:Error", "note", "F6", "see:" + strFirst, "F6", "see:" + strSecond} + lstLeave
            << QStringList{strFirst, "Error",
                           "Error: Unknown Error.\n\nError ID: AUT 8709\n\nSubmit Error ID & details of\ncurrent survey "
                           "procedure being\nperformed to Customer Support\nif frequently reported.",
                           strFirst, strSecond, strExit}
            << -1.0 << QStringList();

        QTest::newRow("View Adjustment Data: the stored values; OK leaves")
            << 2 << int(KTX::UTI::AU_Gon)
            << SettingList{{"Calibration/LIndex", rad(0.0012)}, {"Calibration/TiltingAxis", rad(-0.0345)}}
            << QStringList{"see:View", "shot:CalibrationViewData", "note", "F6"}
            << QStringList{"View", "View Adjustment Data | 0.0012,0.0000,0.0000,0.0000,-0.0345"} << -1.0 << QStringList();
    }

    void scenario()
    {
        QFETCH(int, iEntry);
        QFETCH(int, iAngleUnit);
        QFETCH(SettingList, lstSettings);
        QFETCH(QStringList, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(double, dTolerance);
        QFETCH(QStringList, lstAsserts);
        KTX::UTI::UnitConfigC oUnits;
        oUnits.setToDefault();
        oUnits.setAngleUnit(iAngleUnit);
        QVERIFY(oUnits.save());
        QVERIFY(StateTest::setSimulator(s_lstResetKeys, SettingList{{"Measurement/AngleNoise", "0"},
                                                                    {"Sensor/TiltNoise", "0"},
                                                                    {"Measurement/FaceChangeDelay", "0"}} + lstSettings));
        QList<double> lstBefore;
        for (const QString& strKey : s_lstStoredKeys + QStringList{"Calibration/AtrHz"})
            lstBefore << VSIM::SettingsC::doubleValue(strKey);
        KestraTest::clearReports();

        // From the main menu, wherever the row before ended.
        for (int i = 0; i < 3 && GuiKeyDriver::title() != QStringLiteral("MAIN MENU"); ++i)
            GuiKeyDriver::pressKey(Qt::Key_Escape);
        for (int iDigit : m_lstMenu)
            GuiKeyDriver::pressKey(iDigit);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("CALIBRATION"));
        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        addSteps(oScript, lstSteps, &lstNotes);
        oScript.start();
        GuiKeyDriver::pressKey(m_lstEntries.at(iEntry)); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone(60000));

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(KestraTest::assertTexts(), lstAsserts);
        // A calibration stored ends in the main menu, anything else in the calibration menu.
        QCOMPARE(GuiKeyDriver::title(), dTolerance >= 0 ? QStringLiteral("MAIN MENU") : QStringLiteral("CALIBRATION"));
        for (int i = 0; i < s_lstStoredKeys.size(); ++i) {
            const double dStored = VSIM::SettingsC::doubleValue(s_lstStoredKeys.at(i));
            if (dTolerance < 0)
                QCOMPARE(dStored, lstBefore.at(i));
            else
                QVERIFY2(std::fabs(dStored - gon(s_lstTrueErrors.at(i).second)) <= dTolerance,
                         qPrintable(s_lstStoredKeys.at(i) + ": " + QString::number(dStored, 'g', 12)));
        }
        // The target recognition's values go in only when it was calibrated.
        const double dAtrHz = VSIM::SettingsC::doubleValue("Calibration/AtrHz");
        QCOMPARE(dAtrHz, (dTolerance >= 0 && iEntry == 0) ? gon(0.04) : lstBefore.last());
    }

    // Stored values that cannot be read show as no value ("----"), never as zeros that look stored.
    void unreadableStoredValuesShowNothing()
    {
        KTX::UTI::UnitConfigC oUnits;
        oUnits.setToDefault();
        oUnits.setAngleUnit(KTX::UTI::AU_Gon);
        QVERIFY(oUnits.save());
        CalibrationResultsPanelC oPanel;
        CalibrationValuesS oNew;
        oNew.VIndex = gon(0.004);
        oPanel.showResults(oNew, nullptr, false);
        QCOMPARE(rows(oPanel.newRows()), QStringLiteral("0.0000,0.0000,0.0040,0.0000,0.0000"));
        const QString strNone = QStringLiteral("----,----,----,----,----");
        QCOMPARE(rows(oPanel.oldRows()), strNone);
        oPanel.showResults(oNew, &oNew, false);
        QCOMPARE(rows(oPanel.oldRows()), rows(oPanel.newRows()));
        CalibrationViewDataPanelC oData;
        oData.showValues(nullptr);
        QCOMPARE(rows(oData.rows()), strNone);
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    QList<int> m_lstMenu;
    QList<int> m_lstEntries;
};

KESTRA_TEST_MAIN(CalibrationApplicationTest)
#include "tst_KTX_APP_CalibrationApplication.moc"
