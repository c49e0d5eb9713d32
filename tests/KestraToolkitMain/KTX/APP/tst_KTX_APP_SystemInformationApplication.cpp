// MAIN MENU > Sysinfo through the real main controller: every row filled from the simulated
// instrument, Left and Right turn the pages, F1 opens the legal information (the shell's open is
// only traced under test) or names the missing document, F6 and Escape leave.
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"

#include "KTX/APP/KTX_APP_SystemInformationApplication.h"
#include "KTX/APP/KTX_APP_SystemInformationModel.h"
#include "KTX/APP/KTX_APP_SystemInformationPanel.h"
#include "KTX/KTX_MainController.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Gaugelib/SDR_VersionRecord.h"
#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_TraceLog.h"
#include "V40_GUI_TabPanel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using KTX::APP::SystemInformationModelC;

// The application directory of a test: one with or without the legal document.
class ApplicationDirPathMapC : public BSS::HAL::PathMapWinPC
{
public:
    explicit ApplicationDirPathMapC(const QString& strDir) : m_strDir(QFile::encodeName(strDir + "/").toStdString()) {}
    std::string getApplicationDirectory() const override { return m_strDir; }

private:
    std::string m_strDir;
};

// Every setting a row may change, put back to its default before each row.
const QStringList s_lstInstrumentKeys{
    "Identity/Model", "Identity/SerialNumber", "Identity/EquipmentNumber", "Identity/AngleAccuracy",
    "Identity/EdmType", "Versions/OS", "Versions/Boot", "Settings/FirmwareVersion", "Versions/SB", "Versions/EDM",
    "Versions/KDM", "Versions/OVC", "Options/ExtendedRobotic", "Options/VirtualRobotic", "Options/Trevo360",
    "Options/Vantis360", "Options/ProductionFlag", "Options/OverviewCamera", "Options/Imaging", "Options/Video"};

bool setInstrument(const SettingList& lstSettings)
{
    return StateTest::setSimulator(s_lstInstrumentKeys, lstSettings);
}

// "<page> <function keys>: label=value|..." of the page in front.
QString shownPage()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    auto* pPanel = pPage ? pPage->findChild<KTX::APP::SystemInformationPanelC*>() : nullptr;
    if (!pPanel || !pPanel->isVisible())
        return QStringLiteral("no system information");
    const int iPage = pPanel->getTabPanel()->currentIndex();
    QStringList lstRows;
    const QList<QPair<QString, QString>> lstAll = pPanel->rows();
    for (int i = iPage * KTX::APP::SystemInformationPanelC::ROWS_PER_PAGE;
         i < qMin(lstAll.size(), (iPage + 1) * KTX::APP::SystemInformationPanelC::ROWS_PER_PAGE); ++i)
        lstRows << lstAll.at(i).first + "=" + lstAll.at(i).second;
    QStringList lstKeys;
    for (int iKey : GuiKeyDriver::enabledFunctionKeys())
        lstKeys << QStringLiteral("F%1").arg(iKey - Qt::Key_F1 + 1);
    return QStringLiteral("%1 page %2 %3: %4").arg(GuiKeyDriver::title()).arg(iPage + 1).arg(lstKeys.join('+'), lstRows.join('|'));
}

const int s_iNotePage = -1;

const QString s_strDefaultPage1 = QStringLiteral(
    "SYSTEM INFO page 1 F1+F6: Instrument Model=Vela40|Serial Number=1000001|Equipment Number=740561|"
    "Angle Accuracy=1\"|EDM=Standard EDM|Kestra Toolkit=1.00.0|WinCE Version=6.00.000");
const QString s_strDefaultPage2 = QStringLiteral(
    "SYSTEM INFO page 2 F1+F6: Boot Version=1.02|EFI Version=1.00.0|SB Version=1.4.2|EDM Version=3.0.12|"
    "KDM Version=1.1.3|Extended Robotic=NO|Virtual Robotic=NO");
const QString s_strDefaultPage3 = QStringLiteral(
    "SYSTEM INFO page 3 F1+F6: Trevo360=NO|Vantis360=NO|Production Flag=NO|Overview Camera=NO|OVC Version=|"
    "Imaging=NO|Video=NO");

} // namespace

class SystemInformationApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_oAppDir.isValid());
        // Run by hand too, no viewer is started.
        qputenv("KESTRA_SHELL_OPEN", "0");
        QVERIFY(m_oPlatform.start());
        m_oPlatform.task().startGui();
        QVERIFY(KestraTest::waitFor([] {
            return KestraTest::existingMainWindow() && GuiKeyDriver::title() == QStringLiteral("MAIN MENU");
        }));
        m_iSysinfoDigit = StateTest::menuDigit(m_oPlatform.controller().rootMenuContainer(), 180);
        QVERIFY(m_iSysinfoDigit != 0);
    }

    void cleanupTestCase()
    {
        BSS::HAL::setPathMap(nullptr);
        m_oPlatform.stop();
    }

    void init() { KestraTest::clearReports(); }

    void scenario_data()
    {
        QTest::addColumn<SettingList>("lstSettings");
        QTest::addColumn<bool>("bLegalDocument");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<QStringList>("lstExpectedShellTraces");

        const QString strLegal = m_oAppDir.path() + "/LegalInfo/OpenSourceInfo.html";
        QTest::newRow("defaults, the three pages, F6 leaves")
            << SettingList() << true
            << QList<int>{s_iNotePage, Qt::Key_Right, s_iNotePage, Qt::Key_Right, s_iNotePage, Qt::Key_Right, s_iNotePage,
                          Qt::Key_Left, s_iNotePage, Qt::Key_F6}
            << QStringList{s_strDefaultPage1, s_strDefaultPage2, s_strDefaultPage3, s_strDefaultPage1, s_strDefaultPage3}
            << QStringList();
        QTest::newRow("another instrument, every option, Escape leaves")
            << SettingList{{"Identity/Model", "Vela40 R500"}, {"Identity/SerialNumber", "42"},
                           {"Identity/EquipmentNumber", "X-7"}, {"Identity/AngleAccuracy", "0.5"},
                           {"Identity/EdmType", "78"}, {"Versions/OS", "6.1.23"}, {"Versions/Boot", "2.3.9"},
                           {"Settings/FirmwareVersion", "2.1.7"}, {"Versions/SB", "1.12.4"}, {"Versions/OVC", "1.0.5"},
                           {"Options/ExtendedRobotic", "1"}, {"Options/VirtualRobotic", "1"}, {"Options/Trevo360", "1"},
                           {"Options/Vantis360", "1"}, {"Options/ProductionFlag", "1"}, {"Options/OverviewCamera", "1"},
                           {"Options/Imaging", "1"}, {"Options/Video", "1"}}
            << true
            << QList<int>{s_iNotePage, Qt::Key_Right, s_iNotePage, Qt::Key_Right, s_iNotePage, Qt::Key_Escape}
            << QStringList{"SYSTEM INFO page 1 F1+F6: Instrument Model=Vela40 R500|Serial Number=42|Equipment Number=X-7|"
                           "Angle Accuracy=0.5\"|EDM=Long Range EDM|Kestra Toolkit=1.00.0|WinCE Version=6.01.023",
                           "SYSTEM INFO page 2 F1+F6: Boot Version=2.03|EFI Version=2.01.7|SB Version=1.12.4|"
                           "EDM Version=3.0.12|KDM Version=1.1.3|Extended Robotic=YES|Virtual Robotic=YES",
                           "SYSTEM INFO page 3 F1+F6: Trevo360=YES|Vantis360=YES|Production Flag=YES|Overview Camera=YES|"
                           "OVC Version=1.0.5|Imaging=YES|Video=YES"}
            << QStringList();
        QTest::newRow("no distance meter; F1 opens the legal document")
            << SettingList{{"Identity/EdmType", "0"}, {"Identity/AngleAccuracy", "2.96"}} << true
            << QList<int>{s_iNotePage, Qt::Key_F1}
            << QStringList{"SYSTEM INFO page 1 F1+F6: Instrument Model=Vela40|Serial Number=1000001|Equipment Number=740561|"
                           "Angle Accuracy=3\"|EDM=NO|Kestra Toolkit=1.00.0|WinCE Version=6.00.000"}
            << QStringList{"open '" + strLegal + "' (not started)"};
        QTest::newRow("F1 on a later page, without the legal document")
            << SettingList() << false << QList<int>{Qt::Key_Right, Qt::Key_F1}
            << QStringList{"Information: File: " + strLegal + "\n is not available!"} << QStringList();
    }

    void scenario()
    {
        QFETCH(SettingList, lstSettings);
        QFETCH(bool, bLegalDocument);
        QFETCH(QList<int>, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(QStringList, lstExpectedShellTraces);
        QVERIFY(setInstrument(lstSettings));
        const QString strLegalDir = m_oAppDir.path() + "/LegalInfo";
        QDir(strLegalDir).removeRecursively();
        if (bLegalDocument) {
            QVERIFY(QDir().mkpath(strLegalDir));
            QFile oDocument(strLegalDir + "/OpenSourceInfo.html");
            QVERIFY(oDocument.open(QIODevice::WriteOnly));
        }
        ApplicationDirPathMapC oPathMap(m_oAppDir.path());
        BSS::HAL::setPathMap(&oPathMap);
        VSIM::TEST::clearTraces();

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            if (iStep == s_iNotePage)
                oScript.call([&] { lstNotes << shownPage(); });
            else
                oScript.key(iStep);
        }
        oScript.waitUntil(StateTest::messageShown, 500).call(StateTest::noteMessage(&lstNotes));
        oScript.start();
        GuiKeyDriver::pressKey(m_iSysinfoDigit); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone());
        BSS::HAL::setPathMap(nullptr);

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(VSIM::TEST::traceTexts("Shell"), lstExpectedShellTraces);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("MAIN MENU"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    void formats_data()
    {
        QTest::addColumn<QString>("strText");
        QTest::addColumn<QString>("strExpected");
        QTest::newRow("whole seconds") << SystemInformationModelC::formatAngleAccuracy(1.0) << "1\"";
        QTest::newRow("half a second") << SystemInformationModelC::formatAngleAccuracy(0.5) << "0.5\"";
        QTest::newRow("rounds to whole") << SystemInformationModelC::formatAngleAccuracy(4.97) << "5\"";
        QTest::newRow("one decimal") << SystemInformationModelC::formatAngleAccuracy(12.34) << "12.3\"";
        const SDR::VersionRecordC oVersion(2, 1, 7);
        QTest::newRow("two-digit minor") << SystemInformationModelC::formatVersion("%d.%02d.%d", oVersion) << "2.01.7";
        QTest::newRow("three-digit build") << SystemInformationModelC::formatVersion("%1d.%02d.%03d", oVersion) << "2.01.007";
        QTest::newRow("no build") << SystemInformationModelC::formatVersion("%1d.%02d", oVersion) << "2.01";
        QTest::newRow("type 70") << SystemInformationModelC::formatDistanceMeterType(70) << "Standard EDM";
        QTest::newRow("type 78") << SystemInformationModelC::formatDistanceMeterType(78) << "Long Range EDM";
        QTest::newRow("type 0") << SystemInformationModelC::formatDistanceMeterType(0) << "NO";
    }

    void formats()
    {
        QFETCH(QString, strText);
        QFETCH(QString, strExpected);
        QCOMPARE(strText, strExpected);
    }

    void unknownDistanceMeterIsReported()
    {
        QCOMPARE(SystemInformationModelC::formatDistanceMeterType(55), QStringLiteral("NO"));
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unknown distance meter type."}));
    }

    void graphOutsideItsTable()
    {
        KTX::APP::SystemInformationApplicationC oApplication;
        const int iLegal = KTX::APP::SystemInformationApplicationC::s_iExitCodeShowLegalInfo;
        QCOMPARE(oApplication.getNextStateId(0, iLegal), 1);
        QCOMPARE(oApplication.getNextStateId(1, iLegal), -2);
        QCOMPARE(oApplication.getNextStateId(1, V40::APP::s_iExitCodeSuccess), -1);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QCOMPARE(oApplication.getNextStateId(2, V40::APP::s_iExitCodeSuccess), -2);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unknown state."}));
    }

    // Screenshots to look at: the three pages and the missing document.
    void screenshots()
    {
        QVERIFY(setInstrument({{"Identity/Model", "Vela40 R1000 LR"}, {"Identity/EdmType", "78"},
                               {"Options/OverviewCamera", "1"}}));
        ApplicationDirPathMapC oPathMap(m_oAppDir.path() + "/none");
        BSS::HAL::setPathMap(&oPathMap);
        auto save = [](const char* szName) {
            return [szName] { GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/" + szName); };
        };
        GuiKeyDriver::KeyScript oScript;
        oScript.call(save("SystemInfo1.png")).key(Qt::Key_Right).call(save("SystemInfo2.png")).key(Qt::Key_Right);
        oScript.call(save("SystemInfo3.png")).key(Qt::Key_F1).waitUntil(StateTest::messageShown, 1000);
        oScript.call(save("SystemInfoNoLegal.png"));
        oScript.start();
        GuiKeyDriver::pressKey(m_iSysinfoDigit);
        QVERIFY(oScript.waitUntilDone());
        BSS::HAL::setPathMap(nullptr);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("MAIN MENU"));
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    QTemporaryDir m_oAppDir;
    int m_iSysinfoDigit = 0;
};

KESTRA_TEST_MAIN(SystemInformationApplicationTest)
#include "tst_KTX_APP_SystemInformationApplication.moc"
