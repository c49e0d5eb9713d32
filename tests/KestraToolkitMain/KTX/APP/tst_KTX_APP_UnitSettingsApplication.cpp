// Settings > Unit from the main menu, through the real main controller: the panel shows the
// stored units, F6 stores them (keeping the date format), F5 puts the factory units on the
// screen only, Escape after an edit asks before the edit is thrown away.
#include "SettingsMenuTest.h"
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"
#include "KestraProcess.h"

#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"
#include "KTX/APP/KTX_APP_UnitSettingsModel.h"
#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"
#include "KTX/KTX_FirmwareStarterTask.h"
#include "KTX/KTX_MainController.h"
#include "KTX/KTX_MainEventLoop.h"
#include "KTX/KTX_Module.h"
#include "KTX/KTX_NativeEventFilter.h"
#include "KTX/KTX_ThreadSwitchHelper.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Marrowlib/CCF_ConfigRecord.h"
#include "Quillbase/CMN_System.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_MenuContainer.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace {

using KTX::APP::UnitSettingsModelC;

// Script step that notes the screen: "<title> <function keys>: <angle>|<distance>|<temperature>|<pressure>".
const int s_iNoteScreen = -1;

QString shownScreen()
{
    auto* pPanel = GuiKeyDriver::mainWindow()->contentBar()
                       ? GuiKeyDriver::mainWindow()->contentBar()->findChild<KTX::APP::UnitSettingsPanelC*>()
                       : nullptr;
    if (!pPanel)
        return QStringLiteral("no unit settings");
    QStringList lstUnits;
    for (int iKey = 0; iKey < 4; ++iKey) {
        auto* pCombo = qobject_cast<V40::GUI::ComboWidgetC*>(pPanel->getRow(iKey)->getValueWidget());
        lstUnits << pCombo->itemText(pCombo->getCurrentIndex());
    }
    QStringList lstKeys;
    for (int iKey : GuiKeyDriver::enabledFunctionKeys())
        lstKeys << QStringLiteral("F%1").arg(iKey - Qt::Key_F1 + 1);
    return QStringLiteral("%1 %2: %3").arg(GuiKeyDriver::title(), lstKeys.join('+'), lstUnits.join('|'));
}

QString recordPath()
{
    return CCF::ConfigRecordFileC("CONF", KTX::UTI::UnitConfigC::RECORD_ID1, KTX::UTI::UnitConfigC::RECORD_ID2)
        .filePath();
}

// Distance, angle, temperature, pressure, date format and version of the stored record.
QList<int> storedRecord()
{
    CCF::ConfigRecordC oRecord(KTX::UTI::UnitConfigC::RECORD_ID1, KTX::UTI::UnitConfigC::RECORD_ID2);
    QList<int> lstFields;
    int iValue = 0;
    if (!oRecord.openRead() || !oRecord.readVersion(iValue))
        return lstFields;
    const int iVersion = iValue;
    while (oRecord.readInt(iValue))
        lstFields << iValue;
    return lstFields << iVersion;
}


void saveScreenshot(const QString& strName)
{
    GuiKeyDriver::mainWindow()->grab().save(StateTest::screenshotPath(strName));
}

const QStringList s_lstScreenshots{"Settings", "UnitSettings", "UnitSettingsExit"};


} // namespace

class UnitSettingsApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_iUnitDigit = SettingsMenuTest::showSettingsMenu(m_oPlatform, 185);
        QVERIFY(m_iUnitDigit != 0);
    }

    void cleanupTestCase()
    {
        m_oPlatform.stop();
    }

    void init() { KestraTest::clearReports(); }

    void scenario_data()
    {
        const QString strStored = QStringLiteral("Information: Data stored ...");
        const QString strQuestion = QStringLiteral("Information: Exit?\n\nModifications will be ignored!");
        const QString strAsStored = QStringLiteral("UNIT SETTINGS F5+F6: deg|meter|°F|mbar");
        const QList<int> lstUnchanged{1, 3, 2, 1, 3, 2};
        QTest::addColumn<bool>("bRecordBlocked");
        // Written as it is (version 2) instead of the usual record.
        QTest::addColumn<QList<int>>("lstRawRecord");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<QList<int>>("lstExpectedRecord");
        QTest::newRow("no edit, Escape leaves silently")
            << false << QList<int>() << QList<int>{s_iNoteScreen, Qt::Key_Escape} << QStringList{strAsStored} << lstUnchanged;
        QTest::newRow("US-ft stored, the rest and the date format kept")
            << false << QList<int>() << QList<int>{Qt::Key_Down, Qt::Key_Right, s_iNoteScreen, Qt::Key_F6}
            << QStringList{"UNIT SETTINGS F5+F6: deg|US-ft|°F|mbar", strStored} << QList<int>{3, 3, 2, 1, 3, 2};
        QTest::newRow("Ft-in/16 is one step left of meter")
            << false << QList<int>() << QList<int>{Qt::Key_Down, Qt::Key_Left, Qt::Key_F6} << QStringList{strStored}
            << QList<int>{4, 3, 2, 1, 3, 2};
        QTest::newRow("F5 shows the factory units, Escape throws them away")
            << false << QList<int>() << QList<int>{Qt::Key_F5, s_iNoteScreen, Qt::Key_Escape, Qt::Key_F6}
            << QStringList{"UNIT SETTINGS F5+F6: gon|meter|°C|hPa", strQuestion} << lstUnchanged;
        QTest::newRow("after F5 the arrow keys still move and change the rows")
            << false << QList<int>() << QList<int>{Qt::Key_F5, Qt::Key_Down, Qt::Key_Right, s_iNoteScreen, Qt::Key_Escape, Qt::Key_F6}
            << QStringList{"UNIT SETTINGS F5+F6: gon|US-ft|°C|hPa", strQuestion} << lstUnchanged;
        QTest::newRow("F5 and F6 store the factory units")
            << false << QList<int>() << QList<int>{Qt::Key_F5, Qt::Key_F6} << QStringList{strStored} << QList<int>{1, 1, 1, 4, 3, 2};
        QTest::newRow("Escape after an edit asks; NO keeps the edit")
            << false << QList<int>() << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Escape, Qt::Key_F1, s_iNoteScreen,
                                   Qt::Key_Escape, Qt::Key_F6}
            << QStringList{strQuestion, "UNIT SETTINGS F5+F6: deg|US-ft|°F|mbar", strQuestion} << lstUnchanged;
        // The record cannot be read (factory units) nor replaced.
        QTest::newRow("store fails: reported, back with the edit")
            << true << QList<int>() << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_F6, Qt::Key_F6, s_iNoteScreen,
                                  Qt::Key_Escape, Qt::Key_F6}
            << QStringList{"Error: Data could not be stored!", "UNIT SETTINGS F5+F6: gon|US-ft|°C|hPa", strQuestion}
            << QList<int>();
        QTest::newRow("store fails: the row that had the focus has it again")
            << true << QList<int>() << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_F6, Qt::Key_F6, Qt::Key_Right, s_iNoteScreen,
                                  Qt::Key_Escape, Qt::Key_F6}
            << QStringList{"Error: Data could not be stored!", "UNIT SETTINGS F5+F6: gon|INT-ft|°C|hPa", strQuestion}
            << QList<int>();
        // Codes outside the tables: the factory units are shown, and they are what OK stores.
        const QList<int> lstDamaged{7, 9, 0, 5, 2};
        const QString strFactory = QStringLiteral("UNIT SETTINGS F5+F6: gon|meter|°C|hPa");
        QTest::newRow("damaged record: OK stores the factory units shown")
            << false << lstDamaged << QList<int>{s_iNoteScreen, Qt::Key_F6} << QStringList{strFactory, strStored}
            << QList<int>{1, 1, 1, 4, 1, 2};
        QTest::newRow("damaged record: Escape asks, YES stores nothing")
            << false << lstDamaged << QList<int>{Qt::Key_Escape, Qt::Key_F6} << QStringList{strQuestion}
            << QList<int>{7, 9, 0, 5, 2, 2};
    }

    void scenario()
    {
        QFETCH(bool, bRecordBlocked);
        QFETCH(QList<int>, lstRawRecord);
        QFETCH(QList<int>, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(QList<int>, lstExpectedRecord);
        QDir(recordPath()).removeRecursively();
        QFile::remove(recordPath());
        if (bRecordBlocked) {
            QVERIFY(QDir().mkpath(recordPath() + "/blocked"));
        } else if (!lstRawRecord.isEmpty()) {
            CCF::ConfigRecordC oRecord(KTX::UTI::UnitConfigC::RECORD_ID1, KTX::UTI::UnitConfigC::RECORD_ID2);
            QVERIFY(oRecord.beginWrite(2));
            for (int iValue : lstRawRecord)
                QVERIFY(oRecord.writeInt(iValue));
            QVERIFY(oRecord.commit());
        } else {
            KTX::UTI::UnitConfigC oConfig;
            oConfig.setToDefault();
            oConfig.setAngleUnit(KTX::UTI::AU_Degree);
            oConfig.setTemperatureUnit(KTX::UTI::TU_Fahrenheit);
            oConfig.setPressureUnit(KTX::UTI::PU_Millibar);
            oConfig.setDateFormat(KTX::UTI::DateC::DF_YearMonthDay);
            QVERIFY(oConfig.save());
        }

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            if (iStep == s_iNoteScreen)
                oScript.call([&] { lstNotes << shownScreen(); });
            else
                oScript.call(StateTest::noteMessage(&lstNotes)).key(iStep);
        }
        oScript.call(StateTest::noteMessage(&lstNotes));
        oScript.start();
        GuiKeyDriver::pressKey(m_iUnitDigit); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone());
        QDir(recordPath()).removeRecursively();

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
        QCOMPARE(storedRecord(), lstExpectedRecord);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // Screenshots to look at (the settings menu, the unit settings, the question on leaving
    // them), and the rows on the page one below the other.
    void screenLooksFinished()
    {
        // Stored units other than the factory ones, so that F5 is an edit to ask about.
        KTX::UTI::UnitConfigC oConfig;
        oConfig.setToDefault();
        oConfig.setAngleUnit(KTX::UTI::AU_Degree);
        QVERIFY(oConfig.save());
        saveScreenshot(s_lstScreenshots.at(0));
        QList<QRect> lstRows;
        GuiKeyDriver::KeyScript oScript;
        oScript.call([&] {
            QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
            auto* pPanel = pPage->findChild<KTX::APP::UnitSettingsPanelC*>();
            for (int iKey = 0; pPanel && iKey < 4; ++iKey) {
                const QRect oRow(pPanel->getRow(iKey)->mapTo(pPage, QPoint()), pPanel->getRow(iKey)->size());
                if (pPage->rect().contains(oRow) && (lstRows.isEmpty() || oRow.top() > lstRows.last().bottom()))
                    lstRows << oRow;
            }
            saveScreenshot(s_lstScreenshots.at(1));
        });
        oScript.key(Qt::Key_F5).key(Qt::Key_Escape).call([] { saveScreenshot(s_lstScreenshots.at(2)); });
        oScript.key(Qt::Key_F6);
        oScript.start();
        GuiKeyDriver::pressKey(m_iUnitDigit);
        QVERIFY(oScript.waitUntilDone());
        QFile::remove(recordPath());
        QCOMPARE(lstRows.size(), 4);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
    }

    // The screens come out the same, pixel for pixel, whatever the host's dpi: two runs of the
    // screenshots above in processes of their own, one at 96 dpi and one at 144.
    void sameScreensAtEveryDpi()
    {
        if (qEnvironmentVariableIsSet("KESTRA_SCREENSHOT_DIR"))
            QSKIP("run by the comparing process");
        QTemporaryDir oDir;
        QVERIFY(oDir.isValid());
        const QStringList lstDpis{"96", "144"};
        for (const QString& strDpi : lstDpis) {
            QVERIFY(QDir().mkpath(oDir.filePath(strDpi)));
            KestraTest::ProgramC oRun(oDir.filePath("root"), QCoreApplication::applicationFilePath());
            oRun.setEnvironment("QT_FONT_DPI", strDpi);
            oRun.setEnvironment("KESTRA_SCREENSHOT_DIR", oDir.filePath(strDpi));
            oRun.setEnvironment("KESTRA_TRACE", QString());
            QVERIFY(oRun.start({"screenLooksFinished"}));
            QVERIFY(oRun.waitForFinished(60000));
            QVERIFY2(oRun.exitCode() == 0 && !oRun.crashed(), qPrintable(oRun.output()));
        }
        for (const QString& strName : s_lstScreenshots) {
            const QImage oAt96(oDir.filePath("96/" + strName + ".png"));
            const QImage oAt144(oDir.filePath("144/" + strName + ".png"));
            QCOMPARE(oAt96.size(), QSize(640, 480));
            QVERIFY2(oAt96 == oAt144, qPrintable(strName + " differs between 96 and 144 dpi"));
        }
    }

    void unitTexts()
    {
        QStringList lstRows;
        for (int iKey = 0; iKey < 4; ++iKey) {
            QStringList lstTexts;
            for (const QPair<QString, int>& rItem : UnitSettingsModelC::getUnitItems(iKey))
                lstTexts << rItem.first;
            lstRows << lstTexts.join(',');
        }
        // In the order shown: hPa first although its code is 4.
        QCOMPARE(lstRows, QStringList({"gon,deg,mil,°'\"", "meter,US-ft,INT-ft,Ft-in/16", "°C,°F", "hPa,mbar,mmHg,inHg"}));
        QCOMPARE(UnitSettingsModelC::getAngleUnitText(KTX::UTI::AU_DegreeMinuteSecond), QStringLiteral("°'\""));
        QCOMPARE(UnitSettingsModelC::getPressureUnitText(KTX::UTI::PU_Hectopascal), QStringLiteral("hPa"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QCOMPARE(UnitSettingsModelC::getDistanceUnitText(0), QString());
        QCOMPARE(KestraTest::assertTexts(), QStringList({"false"}));
    }

    void graphOutsideItsTable()
    {
        KTX::APP::UnitSettingsApplicationC oApplication;
        QCOMPARE(oApplication.getNextStateId(7, V40::APP::s_iExitCodeSuccess), -2);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unknown state."}));
        // Exit codes of other applications end this one.
        QCOMPARE(oApplication.getNextStateId(0, V40::APP::lastExitCode() + 1), -1);
        QCOMPARE(oApplication.getNextStateId(1, KTX::APP::UnitSettingsApplicationC::s_iExitCodeSetToDefault), -2);
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    int m_iUnitDigit = 0;
};

KESTRA_TEST_MAIN(UnitSettingsApplicationTest)
#include "tst_KTX_APP_UnitSettingsApplication.moc"
