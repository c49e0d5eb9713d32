// The GUI from its start to its stop: root menu, "Exit?", close codes, language change, and many
// start/stop cycles driven through the platform.
#include "GuiKeyDriver.h"
#include "KestraGuiPlatform.h"
#include "KestraTest.h"

#include "KTX/KTX_FirmwareStarterTask.h"
#include "KTX/KTX_MainController.h"
#include "KTX/KTX_MainEventLoop.h"
#include "KTX/KTX_Module.h"
#include "KTX/KTX_NativeEventFilter.h"
#include "KTX/KTX_ThreadSwitchHelper.h"
#include "KTX/APP/KTX_APP_AtmosphericSettingsModel.h"
#include "KTX/APP/KTX_APP_AtmosphericSettingsPanel.h"
#include "KTX/APP/KTX_APP_DateTimeSettingsModel.h"
#include "KTX/APP/KTX_APP_DateTimeSettingsPanel.h"
#include "KTX/APP/KTX_APP_LevelLaserPlummetPanel.h"
#include "KTX/APP/KTX_APP_SystemInformationPanel.h"
#include "KTX/APP/KTX_APP_UnitSettingsModel.h"
#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"
#include "KTX/LNG/KTX_LNG_LanguageManager.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Quillbase/CMN_System.h"
#include "SimInstrument/VSIM_SettingTable.h"
#include "SimInstrument/VSIM_Settings.h"
#include "V40_APP_AbstractApplication.h"
#include "V40_GUI_ApplicationMenuComponent.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_ListWidget.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_MenuContainerProperties.h"
#include "V40_GUI_UTI_Trace.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

#include <atomic>
#include <memory>

namespace {

using KestraTest::applicationMode;
using KestraTest::existingMainWindow;

int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

long residentKiB()
{
    QFile oFile(QStringLiteral("/proc/self/statm"));
    if (!oFile.open(QIODevice::ReadOnly))
        return 0;
    return QString::fromLatin1(oFile.readAll()).split(' ').value(1).toLong() * 4;
}

bool guiShown()
{
    return KestraTest::waitFor([] {
        V40::GUI::MainWindowC* pMainWindow = existingMainWindow();
        return pMainWindow && pMainWindow->isVisible()
               && pMainWindow->titleBar()->title() == QStringLiteral("MAIN MENU");
    });
}

// How many applications of the menus hold a first screen built ahead.
int preparedApplications(V40::GUI::MenuContainerC* pRoot)
{
    std::function<int(V40::GUI::AbstractMenuComponentC*)> fnCount = [&](V40::GUI::AbstractMenuComponentC* pComponent) {
        if (auto* pEntry = qobject_cast<V40::GUI::ApplicationMenuComponentC*>(pComponent))
            return pEntry->application() && pEntry->application()->hasPreparedState() ? 1 : 0;
        int iCount = 0;
        if (auto* pContainer = qobject_cast<V40::GUI::MenuContainerC*>(pComponent)) {
            for (V40::GUI::AbstractMenuComponentC* pChild : pContainer->components())
                iCount += fnCount(pChild);
        }
        return iCount;
    };
    return pRoot ? fnCount(pRoot) : 0;
}

bool guiGone()
{
    return KestraTest::waitFor([] { return !existingMainWindow() && applicationMode() == 2; });
}

} // namespace

class MainControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_oPlatform.start()); }

    void cleanupTestCase() { m_oPlatform.stop(); }

    void init()
    {
        KestraTest::clearReports();
        qunsetenv("KESTRA_PLATFORM_KIND");
    }

    void cleanup()
    {
        if (existingMainWindow()) {
            CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
            QVERIFY(guiGone());
        }
    }

    void rootMenuAsTheInstrumentShowsIt()
    {
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        QVERIFY(KTX::LNG::LanguageManagerC::Instance());
        V40::GUI::MenuContainerC* pRoot = controller().rootMenuContainer();
        QVERIFY(pRoot);
        // Containers by title (text menus marked "t"), application items by caption.
        std::function<QString(V40::GUI::AbstractMenuComponentC*)> fnTree = [&](V40::GUI::AbstractMenuComponentC* pComponent) {
            auto* pContainer = qobject_cast<V40::GUI::MenuContainerC*>(pComponent);
            if (!pContainer)
                return QString::number(pComponent->getProperties().getCaptionToken());
            QStringList lstChildren;
            for (V40::GUI::AbstractMenuComponentC* pChild : pContainer->components())
                lstChildren << fnTree(pChild);
            const bool bText = pContainer->getContainerProperties().getMenuType()
                == V40::GUI::MenuContainerPropertiesC::MENU_TYPE_TEXT;
            return QStringLiteral("%1%2[%3]")
                .arg(pContainer->getContainerProperties().getTitleToken())
                .arg(bText ? "t" : "")
                .arg(lstChildren.join(','));
        };
        // Level, Sysinfo, Settings (Unit, Date/Time, Comm., Atmos.), and Apps with the text menus
        // Update (Firmware, Language), Calibration (Calibrate All, without Trevo, View Adjustment Data)
        // and Format (System, SD Card).
        QCOMPARE(fnTree(pRoot),
                 QStringLiteral("178[179,180,181[185,186,187,188],183[189t[195,196],191t[198,199,200],193t[201,202]]]"));

        // Digits and Escape walk the menus.
        GuiKeyDriver::pressKey(Qt::Key_4);
        QVERIFY(KestraTest::waitFor([] { return GuiKeyDriver::title() == QStringLiteral("APPS"); }));
        GuiKeyDriver::pressKey(Qt::Key_2);
        QVERIFY(KestraTest::waitFor([] { return GuiKeyDriver::title() == QStringLiteral("CALIBRATION"); }));
        GuiKeyDriver::pressKey(Qt::Key_Escape);
        QVERIFY(KestraTest::waitFor([] { return GuiKeyDriver::title() == QStringLiteral("APPS"); }));
        GuiKeyDriver::pressKey(Qt::Key_Escape);
        QVERIFY(KestraTest::waitFor([] { return GuiKeyDriver::title() == QStringLiteral("MAIN MENU"); }));
        QCOMPARE(KestraTest::assertTexts().join(" | "), QString());
    }

    // Enter on a screen that takes no focus of its own (system information, a question) reaches
    // nothing behind it: the menu item that opened it is hidden.
    void enterReachesNoHiddenMenu()
    {
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        QStringList lstTitles;
        auto noteTitle = [&] { lstTitles << GuiKeyDriver::title(); };
        GuiKeyDriver::KeyScript oScript;
        oScript.key(Qt::Key_2).key(Qt::Key_Return).call(noteTitle).key(Qt::Key_Escape)
            .key(Qt::Key_Escape).key(Qt::Key_Return).call(noteTitle).key(Qt::Key_Escape).call(noteTitle);
        QVERIFY(oScript.run());
        QCOMPARE(lstTitles, (QStringList {V40::LNG::getTextToken(V40::LNG::TK::Systeminformation_SYSTEMINFO),
                                          QStringLiteral("Information"), QStringLiteral("MAIN MENU")}));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // The first screens are built ahead while the menus wait, and after each run for the next.
    // They show what the records and the instrument hold when they open: the data are changed
    // after the warm-up (first round) and again after each round of openings. The warm-up itself
    // reports and stores nothing.
    void warmedUpScreensShowTheDataOfTheirOpening()
    {
        using namespace KTX::UTI;
        UnitConfigC oConfig;
        oConfig.setToDefault();
        QVERIFY(oConfig.save());
        QSignalSpy oPrepared(&controller(), &KTX::MainControllerC::laterScreensPrepared);
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        QVERIFY(oPrepared.count() == 1 || oPrepared.wait(10000));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        UnitConfigC oStored;
        QCOMPARE(oStored.loadRecord(), UnitConfigC::LOAD_STORED);
        QCOMPARE(oStored.getAngleUnit(), oConfig.getAngleUnit());
        // Level, system information, units, date and time, communication, atmospheric settings, and
        // the level screen that both calibrations start with.
        QCOMPARE(preparedApplications(controller().rootMenuContainer()), 8);
        // A clock screen built ahead does not tick while the menus sleep.
        const auto lstClockPanels = V40::GUI::MainWindowC::instance()->findChildren<KTX::APP::DateTimeSettingsPanelC*>();
        QCOMPARE(lstClockPanels.size(), 1);
        for (QTimer* pTimer : lstClockPanels.first()->findChildren<QTimer*>())
            QVERIFY(!pTimer->isActive());

        QStringList lstShown;
        auto noteShown = [&] {
            QWidget* pPage = V40::GUI::MainWindowC::instance()->contentBar();
            if (auto* pLevel = pPage->findChild<KTX::APP::LevelLaserPlummetPanelC*>())
                lstShown << pLevel->getLRow()->getValueWidget()->getUnitText()
                         << (pLevel->getPlummetInputWidget() ? pLevel->getPlummetInputWidget()->getValue().toString()
                                                             : QStringLiteral("no plummet"));
            if (auto* pInfo = pPage->findChild<KTX::APP::SystemInformationPanelC*>())
                lstShown << pInfo->rows().value(1).second;
            if (auto* pUnits = pPage->findChild<KTX::APP::UnitSettingsPanelC*>()) {
                auto* pCombo = qobject_cast<V40::GUI::ComboWidgetC*>(
                    pUnits->getRow(KTX::APP::UnitSettingsModelC::KEY_ANGLE_UNIT)->getValueWidget());
                lstShown << (pCombo ? pCombo->itemText(pCombo->getCurrentIndex()) : QString());
            }
            if (auto* pDate = pPage->findChild<KTX::APP::DateTimeSettingsPanelC*>())
                lstShown << qobject_cast<V40::GUI::ValueWidgetC*>(
                                pDate->getRow(KTX::APP::DateTimeSettingsModelC::KEY_DATE)->getValueWidget())
                                ->getLineEdit()->text().right(4);
            if (auto* pPorts = pPage->findChild<V40::GUI::ListWidgetC*>())
                lstShown << (pPorts->rowCount() > 0 ? QStringLiteral("ports") : QStringLiteral("no ports"));
            if (auto* pAtmos = pPage->findChild<KTX::APP::AtmosphericSettingsPanelC*>())
                lstShown << pAtmos->getRow(KTX::APP::AtmosphericSettingsModelC::KEY_PRESSURE)->getValueWidget()->getUnitText();
        };
        struct RoundS
        {
            int iAngleUnit;
            int iPressureUnit;
            const char* szSerial;
            bool bPlummet;
            int iIntensity;
            int iYear;
        };
        // The level screen's angle unit, plummet intensity and plummet option change one at a time.
        const RoundS aRounds[] = {{AU_Mil, PU_MmHg, "4711", true, 60, 2031},
                                  {AU_Mil, PU_InHg, "4712", true, 20, 2032},
                                  {AU_Degree, PU_Millibar, "4713", false, 20, 2033}};
        for (const RoundS& rRound : aRounds) {
            // The runs before have built their next screens ahead.
            QVERIFY(KestraTest::waitFor([this] { return preparedApplications(controller().rootMenuContainer()) == 8; }));
            // Changed as another screen or KestraSimCtl would.
            oConfig.setAngleUnit(rRound.iAngleUnit);
            oConfig.setPressureUnit(rRound.iPressureUnit);
            QVERIFY(oConfig.save());
            const double dYears = (rRound.iYear - QDate::currentDate().year()) * 365.25 * 86400.0;
            QVERIFY(VSIM::SettingsC::setValues({qMakePair(QStringLiteral("Identity/SerialNumber"), QVariant(rRound.szSerial)),
                                                qMakePair(QStringLiteral("LaserPlummet/Option"), QVariant(int(rRound.bPlummet))),
                                                qMakePair(QStringLiteral("LaserPlummet/Intensity"), QVariant(rRound.iIntensity)),
                                                qMakePair(QStringLiteral("Clock/Offset"), QVariant(dYears))}));
            lstShown.clear();
            GuiKeyDriver::KeyScript oScript;
            oScript.key(Qt::Key_1).call(noteShown).key(Qt::Key_Escape)                      // level
                .key(Qt::Key_2).call(noteShown).key(Qt::Key_Escape)                         // system information
                .key(Qt::Key_3)                                                             // settings
                .key(Qt::Key_1).call(noteShown).key(Qt::Key_Escape)                         // units
                .key(Qt::Key_2).call(noteShown).key(Qt::Key_Escape)                         // date and time
                .key(Qt::Key_3).call(noteShown).key(Qt::Key_Escape)                         // communication
                .key(Qt::Key_4).call(noteShown).key(Qt::Key_Escape).key(Qt::Key_Escape);    // atmospheric
            QVERIFY(oScript.run(20000));
            const QString strPlummet = rRound.bPlummet ? QString::number(rRound.iIntensity) : QStringLiteral("no plummet");
            QCOMPARE(lstShown, (QStringList {UnitConverter::unitText(Q_Angle, rRound.iAngleUnit), strPlummet,
                                             QString::fromLatin1(rRound.szSerial),
                                             KTX::APP::UnitSettingsModelC::getAngleUnitText(rRound.iAngleUnit),
                                             QString::number(rRound.iYear), QStringLiteral("ports"),
                                             UnitConverter::unitText(Q_Pressure, rRound.iPressureUnit)}));
            QCOMPARE(GuiKeyDriver::title(), QStringLiteral("MAIN MENU"));
        }
        QCOMPARE(KestraTest::assertTexts(), QStringList());

        oConfig.setToDefault();
        QVERIFY(oConfig.save());
        QList<QPair<QString, QVariant>> lstDefaults;
        for (const char* szKey : {"Identity/SerialNumber", "LaserPlummet/Option", "LaserPlummet/Intensity", "Clock/Offset"})
            lstDefaults << qMakePair(QString::fromLatin1(szKey), QVariant(VSIM::findSetting(QString::fromLatin1(szKey))->strDefault));
        QVERIFY(VSIM::SettingsC::setValues(lstDefaults));
    }

    void exitQuestion_data()
    {
        QTest::addColumn<int>("iPlatformKind");
        QTest::addColumn<bool>("bShutdownSwitch");
        QTest::addColumn<int>("iAnswerKey");
        QTest::addColumn<QString>("strExpectedTrace");
        QTest::newRow("NO") << 0 << false << int(Qt::Key_Escape) << QString();
        QTest::newRow("YES on the simulator") << 0 << false << int(Qt::Key_F6) << "Got stop application event.";
        QTest::newRow("YES on the instrument") << 1 << false << int(Qt::Key_F6) << "Got stop GUI event.";
        QTest::newRow("YES, shutdown switch on") << 1 << true << int(Qt::Key_F6) << "Got stop application event.";
    }

    void exitQuestion()
    {
        QFETCH(int, iPlatformKind);
        QFETCH(bool, bShutdownSwitch);
        QFETCH(int, iAnswerKey);
        QFETCH(QString, strExpectedTrace);
        qputenv("KESTRA_PLATFORM_KIND", QByteArray::number(iPlatformKind));
        BSS::REG::openNativeSettings(BSS::SIM::simulatorSettingsPath())
            ->setValue(QStringLiteral("Switches/SHUTDOWN_FIRMWARE"), bShutdownSwitch);
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        const int iLoopQuits = m_oPlatform.loopQuits();

        QString strQuestion;
        GuiKeyDriver::KeyScript oScript;
        oScript.call([&] { strQuestion = GuiKeyDriver::title(); }).key(iAnswerKey);
        oScript.start();
        GuiKeyDriver::pressKey(Qt::Key_Escape); // runs the question's own loop
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(strQuestion, QStringLiteral("Information"));
        if (strExpectedTrace.isEmpty()) {
            QCOMPARE(GuiKeyDriver::title(), QStringLiteral("MAIN MENU"));
            QVERIFY(!KestraTest::waitFor([] { return !KestraTest::traces("FirmwareStarterTask").filter("prepare stop").isEmpty(); }, 300));
            return;
        }
        QVERIFY(KestraTest::waitFor([&] { return KestraTest::traces("FirmwareStarterTask").contains(strExpectedTrace); }));
        const bool bStopsApplication = strExpectedTrace.contains("application");
        if (bStopsApplication) // the process would end here; the next test starts without a GUI again
            CFA::StartupConfigurationC::instance().setApplicationMode(2);
        QVERIFY(guiGone());
        QVERIFY(KestraTest::waitFor([&] { return m_oPlatform.loopQuits() - iLoopQuits == (bStopsApplication ? 1 : 0); }));
    }

    void languageChangeRefreshesTextsWithoutRebuildingTheTree()
    {
        QSignalSpy oPrepared(&controller(), &KTX::MainControllerC::laterScreensPrepared);
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        QVERIFY(oPrepared.count() == 1 || oPrepared.wait(10000));
        V40::GUI::MenuContainerC* pRoot = controller().rootMenuContainer();
        const QList<V40::GUI::AbstractMenuComponentC*> lstChildren = pRoot->components();
        const int iLabelToken = V40::LNG::TK::Systeminformation_InstrumentModel;
        const QString strEnglish = V40::LNG::getTextToken(iLabelToken);
        QTranslator oGerman;
        QVERIFY(oGerman.load(KestraTest::binDir() + "/KestraToolkit_de_DE.qm"));
        QCoreApplication::installTranslator(&oGerman);
        QVERIFY(KestraTest::waitFor([] { return GuiKeyDriver::title() == V40::LNG::getTextToken(178); }));
        QVERIFY(GuiKeyDriver::title() != QStringLiteral("MAIN MENU"));
        QCOMPARE(controller().rootMenuContainer(), pRoot);
        QCOMPARE(pRoot->components(), lstChildren);
        // The first screens built ahead in English are gone: system information opens in German.
        QCOMPARE(preparedApplications(pRoot), 0);
        QString strLabel;
        GuiKeyDriver::KeyScript oScript;
        oScript.key(Qt::Key_2)
            .call([&] {
                auto* pInfo = V40::GUI::MainWindowC::instance()->contentBar()->findChild<KTX::APP::SystemInformationPanelC*>();
                strLabel = pInfo ? pInfo->rows().value(0).first : QString();
            })
            .key(Qt::Key_Escape);
        QVERIFY(oScript.run());
        QCOMPARE(strLabel, V40::LNG::getTextToken(iLabelToken));
        QVERIFY(strLabel != strEnglish);
        QCoreApplication::removeTranslator(&oGerman);
        QVERIFY(KestraTest::waitFor([] { return GuiKeyDriver::title() == QStringLiteral("MAIN MENU"); }));
    }

    void secondStartBuildsNoSecondTree()
    {
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        V40::GUI::MenuContainerC* pRoot = controller().rootMenuContainer();
        controller().startGui();
        QCOMPARE(controller().rootMenuContainer(), pRoot);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"0 == m_pRootMenuContainer"}));
    }

    void stopLeavesNothingBehind()
    {
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
        QVERIFY(!controller().waitUntilStopped(0));
        CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
        QVERIFY(guiGone());
        QVERIFY(KestraTest::waitFor([&] { return controller().waitUntilStopped(0); }));
        QVERIFY(!controller().rootMenuContainer());
        QVERIFY(!KTX::LNG::LanguageManagerC::s_poInstance);
        // A language change queued before the stop (an upload's) arrives after it.
        controller().onLanguageChanged();
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    // The platform closes the GUI while an application waits on the call stack: every wait ends
    // unanswered, nothing unconfirmed is stored, and the next start shows the main menu.
    void guiCloseWhileAnApplicationRuns_data()
    {
        QTest::addColumn<QList<int>>("lstKeys");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<bool>("bStored");
        const QList<int> lstChangeUnit{Qt::Key_3, Qt::Key_1, Qt::Key_Down, Qt::Key_Right};
        QTest::newRow("level") << QList<int>{Qt::Key_1} << "LEVEL UP" << false;
        QTest::newRow("unit settings") << QList<int>{Qt::Key_3, Qt::Key_1} << "UNIT SETTINGS" << false;
        QTest::newRow("modified, exit question") << (lstChangeUnit + QList<int>{Qt::Key_Escape}) << "Information" << false;
        QTest::newRow("data stored") << (lstChangeUnit + QList<int>{Qt::Key_F6}) << "Information" << true;
        QTest::newRow("exit question") << QList<int>{Qt::Key_Escape} << "Information" << false;
    }

    void guiCloseWhileAnApplicationRuns()
    {
        QFETCH(QList<int>, lstKeys);
        QFETCH(QString, strShown);
        QFETCH(bool, bStored);
        QDir oRecords(KestraTest::simDataDir() + "/Records");
        oRecords.removeRecursively();
        m_oPlatform.task().startGui();
        QVERIFY(guiShown());

        QString strSeen;
        GuiKeyDriver::KeyScript oScript;
        for (int iKey : lstKeys)
            oScript.key(iKey);
        oScript.call([&] {
            strSeen = GuiKeyDriver::title();
            CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
        });
        QVERIFY(oScript.run());
        QVERIFY(guiGone());
        QCOMPARE(strSeen, strShown);
        QCOMPARE(oRecords.entryList(QDir::Files).isEmpty(), !bStored);
        QVERIFY(!VSIM::SettingsC::boolValue("LaserPlummet/On"));
        QCOMPARE(KestraTest::assertTexts().join(" | "), QString());

        m_oPlatform.task().startGui();
        QVERIFY(guiShown());
    }

    // On the instrument, with the GUI hidden: the level key opens the level screen at once, and
    // leaving it closes the GUI again.
    void levelKeyStartsNoMenu()
    {
        qputenv("KESTRA_PLATFORM_KIND", "1");
        // A steady bubble, so that the traced value changes stay few.
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltNoise", 0.0));
        V40::GUI::UTI::setTraceEnabled(true); // menu tiles trace when they take the focus
        // The level screen waits inside the GUI start: it is answered from a timer.
        bool bPlummetOnWhileShown = false;
        int iTicksShown = 0;
        QTimer oAnswer;
        oAnswer.setInterval(20);
        connect(&oAnswer, &QTimer::timeout, [&] {
            V40::GUI::MainWindowC* pMainWindow = existingMainWindow();
            if (!pMainWindow || !pMainWindow->isVisible() || GuiKeyDriver::title() != QStringLiteral("LEVEL UP"))
                return;
            // The plummet goes on once the screen has been painted.
            bPlummetOnWhileShown = VSIM::SettingsC::boolValue("LaserPlummet/On");
            if (!bPlummetOnWhileShown && ++iTicksShown < 100)
                return;
            oAnswer.stop();
            GuiKeyDriver::pressKey(Qt::Key_F6);
        });
        oAnswer.start();
        BSS::SYS::EventC oLevelKey("Tessel_KeyEvent_Level");
        oLevelKey.set();
        QVERIFY(KestraTest::waitFor([] {
            return KestraTest::traces("FirmwareStarterTask").contains("Got start level bubble event.");
        }));
        // The level run ends by closing the GUI again; no menu was built on the way.
        QVERIFY(KestraTest::waitFor([] { return KestraTest::traces("FirmwareStarterTask").contains("Got stop GUI event."); }));
        QVERIFY(bPlummetOnWhileShown);
        QTRY_VERIFY(!VSIM::SettingsC::boolValue("LaserPlummet/On"));
        QVERIFY(guiGone());
        V40::GUI::UTI::setTraceEnabled(false);
        QVERIFY(KestraTest::traces("Qt").filter("MenuItemWidgetC").isEmpty());
        QVERIFY(!m_oPlatform.task().isLevelStart());
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    // On the instrument kind, where the GUI comes and goes while the program stays. 200 cycles
    // here; KESTRA_GUI_CYCLES=1000 for the long run (RELIABILITY.md).
    void manyGuiCyclesThroughThePlatform()
    {
        qputenv("KESTRA_PLATFORM_KIND", "1");
        const int iCycles = qEnvironmentVariableIsSet("KESTRA_GUI_CYCLES") ? qEnvironmentVariableIntValue("KESTRA_GUI_CYCLES") : 200;
        int iThreads = 0;
        long lResident = 0;
        for (int iCycle = 0; iCycle < iCycles; ++iCycle) {
            m_oPlatform.task().startGui();
            QVERIFY2(guiShown(), qPrintable(QStringLiteral("cycle %1").arg(iCycle)));
            CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
            QVERIFY2(guiGone(), qPrintable(QStringLiteral("cycle %1").arg(iCycle)));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (iCycle == 20) {
                iThreads = threadCount();
                lResident = residentKiB();
            }
        }
        QCOMPARE(threadCount(), iThreads);
        qInfo("%d GUI cycles: %ld KiB resident after cycle 20, %ld KiB at the end", iCycles, lResident, residentKiB());
#if KESTRA_TEST_ADDRESS_SANITIZER
        // The address sanitizer keeps freed memory in quarantine; its leak checker judges instead.
        return;
#endif
        // Some allocator slack, but nothing that grows with every cycle.
        QVERIFY2(residentKiB() - lResident < 8 * 1024,
                 qPrintable(QStringLiteral("grew by %1 KiB over %2 cycles").arg(residentKiB() - lResident).arg(iCycles - 20)));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

private:
    KTX::MainControllerC& controller() { return m_oPlatform.controller(); }

    KestraTest::GuiPlatformC m_oPlatform;
};

KESTRA_TEST_MAIN(MainControllerTest)
#include "tst_KTX_MainController.moc"
