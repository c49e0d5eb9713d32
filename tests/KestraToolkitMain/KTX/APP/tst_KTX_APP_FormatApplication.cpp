// Apps > Format > System and SD Card through the real main controller, against the simulated
// memory devices: the device check, the two warnings, the format and its result message; what is
// left on the devices afterwards.
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"

#include "KTX/APP/KTX_APP_FormatApplication.h"
#include "KTX/APP/KTX_APP_FormatApplicationModel.h"
#include "KTX/CDT_FIL_TesselDefaultDirectory.h"
#include "KTX/KTX_MainController.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Quillbase/CMN_DeviceManager.h"
#include "Quillbase/CMN_System.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

using KTX::APP::FormatApplicationModelC;

QString deviceDir(int iDevice)
{
    return QDir::cleanPath(QFile::decodeName(BSS::HAL::getDeviceRootPath(iDevice).c_str()));
}

// Everything below the device's folder, sorted.
QString contents(int iDevice)
{
    QStringList lstEntries;
    QDirIterator itEntry(deviceDir(iDevice), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (itEntry.hasNext())
        lstEntries << QDir(deviceDir(iDevice)).relativeFilePath(itEntry.next());
    lstEntries.sort();
    return lstEntries.join(',');
}

// The user's files on both devices before each row.
void fillDevices()
{
    for (int iDevice : {int(BSS::HAL::DEVICE_INTERNAL), int(BSS::HAL::DEVICE_SDCARD)}) {
        QDir(deviceDir(iDevice)).removeRecursively();
        QDir().mkpath(deviceDir(iDevice) + "/Data/Job1");
        QFile oFile(deviceDir(iDevice) + "/Data/Job1/points.txt");
        oFile.open(QIODevice::WriteOnly);
        oFile.write("1 2 3");
    }
}

const QString s_strFilled = QStringLiteral("Data,Data/Job1,Data/Job1/points.txt");

const int s_iNoteMessage = -1;
const int s_iInsertCard = -2;

const QString s_strDataLoss =
    QStringLiteral("Information: Data may get lost!\nPlease close all other\napplications before proceeding!\n\n\nProceed?");

QString powerQuestion(const QString& strCapacity)
{
    return QStringLiteral("Information: Never disconnect power supply\nduring format!\n\nBattery capacity must be at\n"
                          "least 75% before starting.\nCurrent capacity: %1\nProceed?")
        .arg(strCapacity);
}

} // namespace

class FormatApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The main entry hands the platform the toolkit's default directories.
        CMN::setDefaultDirectoryProvider(new CDT::FIL::TesselDefaultDirectoryC());
        QVERIFY(m_oPlatform.start());
        m_oPlatform.task().startGui();
        QVERIFY(KestraTest::waitFor([] {
            return KestraTest::existingMainWindow() && GuiKeyDriver::title() == QStringLiteral("MAIN MENU");
        }));
        const V40::GUI::MenuContainerC* pRoot = m_oPlatform.controller().rootMenuContainer();
        m_lstSystemPath = StateTest::menuPath(pRoot, {184, 194, 201});
        m_lstSdCardPath = StateTest::menuPath(pRoot, {184, 194, 202});
        QCOMPARE(m_lstSystemPath.size(), 3);
        QCOMPARE(m_lstSdCardPath.size(), 3);
        // Into the format menu, where every run comes back to.
        QVERIFY(GuiKeyDriver::KeyScript().key(m_lstSystemPath.at(0)).key(m_lstSystemPath.at(1)).run());
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("FORMAT"));
    }

    void cleanupTestCase()
    {
        qunsetenv("KESTRA_PLATFORM_KIND");
        m_oPlatform.stop();
    }

    void init() { KestraTest::clearReports(); }

    void scenario_data()
    {
        QTest::addColumn<int>("iMemoryDevice");
        QTest::addColumn<int>("iPlatformKind");
        QTest::addColumn<SettingList>("lstSettings");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<QString>("strExpectedInternal");
        QTest::addColumn<QString>("strExpectedCard");

        const int iSystem = FormatApplicationModelC::MEMORY_DEVICE_SYSTEM;
        const int iCard = FormatApplicationModelC::MEMORY_DEVICE_SDCARD;
        const QList<int> lstYesYes{s_iNoteMessage, Qt::Key_F6, s_iNoteMessage, Qt::Key_F6, s_iNoteMessage};
        const QString strNoCard = QStringLiteral("Information: SD Card is not available!");
        const QString strDone = QStringLiteral("Information: Format completed!");
        const QString strInternalTree = QStringLiteral("Data,Data/Dialect,Data/Dialect/Images,Data/Dialect/Images/ATR,Gps,System");

        QTest::newRow("desktop, System: completed, nothing touched")
            << iSystem << 0 << SettingList() << lstYesYes << QStringList{s_strDataLoss, powerQuestion("70%"), strDone}
            << s_strFilled << s_strFilled;
        QTest::newRow("desktop, SD Card: completed, nothing touched")
            << iCard << 0 << SettingList() << lstYesYes << QStringList{s_strDataLoss, powerQuestion("70%"), strDone}
            << s_strFilled << s_strFilled;
        QTest::newRow("no card: asked again after RETRY, CANCEL formats nothing")
            << iCard << 1 << SettingList{{"Configuration/SDCard", "0"}}
            << QList<int>{s_iNoteMessage, Qt::Key_F6, s_iNoteMessage, Qt::Key_F1} << QStringList{strNoCard, strNoCard}
            << s_strFilled << s_strFilled;
        QTest::newRow("card put in, RETRY goes on; NO to the data loss")
            << iCard << 1 << SettingList{{"Configuration/SDCard", "0"}}
            << QList<int>{s_iNoteMessage, s_iInsertCard, Qt::Key_F6, s_iNoteMessage, Qt::Key_F1}
            << QStringList{strNoCard, s_strDataLoss} << s_strFilled << s_strFilled;
        QTest::newRow("instrument, SD Card: emptied, its default folders again")
            << iCard << 1 << SettingList() << lstYesYes << QStringList{s_strDataLoss, powerQuestion("70%"), strDone}
            << s_strFilled << "Gps,System";
        QTest::newRow("instrument, System: the internal memory emptied, its default folders again")
            << iSystem << 1 << SettingList() << lstYesYes << QStringList{s_strDataLoss, powerQuestion("70%"), strDone}
            << strInternalTree << s_strFilled;
        QTest::newRow("battery too low: not formatted")
            << iCard << 1 << SettingList{{"Settings/Battery/BatteryInternal1/Capacity", "12"}}
            << (lstYesYes + QList<int>{Qt::Key_F6})
            << QStringList{s_strDataLoss, powerQuestion("12%"),
                           "Information: Formatting was not successful.\n\nBattery power is too low."}
            << s_strFilled << s_strFilled;
        QTest::newRow("battery state unknown; NO to the power question")
            << iSystem << 1 << SettingList{{"Settings/Battery/BatteryInternal1/State", "0"}}
            << QList<int>{s_iNoteMessage, Qt::Key_F6, s_iNoteMessage, Qt::Key_Escape}
            << QStringList{s_strDataLoss, powerQuestion("Unknown")} << s_strFilled << s_strFilled;
        QTest::newRow("a host drives the instrument: no success message")
            << iCard << 1 << SettingList{{"Settings/SilentOperation", "1"}}
            << QList<int>{s_iNoteMessage, Qt::Key_F6, s_iNoteMessage, Qt::Key_F6} << QStringList{s_strDataLoss, powerQuestion("70%")}
            << s_strFilled << "Gps,System";
    }

    void scenario()
    {
        QFETCH(int, iMemoryDevice);
        QFETCH(int, iPlatformKind);
        QFETCH(SettingList, lstSettings);
        QFETCH(QList<int>, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(QString, strExpectedInternal);
        QFETCH(QString, strExpectedCard);
        qputenv("KESTRA_PLATFORM_KIND", QByteArray::number(iPlatformKind));
        QVERIFY(StateTest::setSimulator({"Configuration/SDCard", "Settings/Battery/BatteryInternal1/State",
                                         "Settings/Battery/BatteryInternal1/Capacity", "Settings/SilentOperation"},
                                        lstSettings));
        fillDevices();

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            if (iStep == s_iNoteMessage)
                oScript.waitUntil(StateTest::messageShown).call(StateTest::noteMessage(&lstNotes));
            else if (iStep == s_iInsertCard)
                oScript.call([] { VSIM::SettingsC::setValue(QStringLiteral("Configuration/SDCard"), true); });
            else
                oScript.key(iStep);
        }
        StateTest::answerLeftoverMessage(oScript);
        oScript.start();
        const QList<int>& rPath = iMemoryDevice == FormatApplicationModelC::MEMORY_DEVICE_SYSTEM ? m_lstSystemPath : m_lstSdCardPath;
        GuiKeyDriver::pressKey(rPath.at(2)); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone(20000));

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("FORMAT"));
        QCOMPARE(contents(BSS::HAL::DEVICE_INTERNAL), strExpectedInternal);
        QCOMPARE(contents(BSS::HAL::DEVICE_SDCARD), strExpectedCard);
        // The card is in use again after a format, whatever came of it.
        QCOMPARE(CMN::isMemoryDeviceMounted(CMN::MEMORY_DEVICE_SDCARD), true);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    void models()
    {
        QVERIFY(VSIM::SettingsC::setValue(QStringLiteral("Configuration/SDCard"), true));
        FormatApplicationModelC oSystem(FormatApplicationModelC::MEMORY_DEVICE_SYSTEM);
        FormatApplicationModelC oCard(FormatApplicationModelC::MEMORY_DEVICE_SDCARD);
        FormatApplicationModelC oOther(5);
        QCOMPARE(oSystem.GetMemoryDeviceLabel(), QStringLiteral("System"));
        QCOMPARE(oCard.GetMemoryDeviceLabel(), QStringLiteral("SD Card"));
        QCOMPARE(oOther.GetMemoryDeviceLabel(), QStringLiteral("Unsupported memory device."));
        QVERIFY(oSystem.IsMemoryDeviceAvailable());
        QVERIFY(oCard.IsMemoryDeviceAvailable());
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QVERIFY(!oOther.IsMemoryDeviceAvailable());
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unsupported memory device."}));

        KTX::APP::FormatApplicationC oApplication(0);
        QCOMPARE(oApplication.getNextStateId(1, V40::APP::s_iExitCodeFail), -1);
        QCOMPARE(oApplication.getNextStateId(2, V40::APP::s_iExitCodeFail), 3);
        QCOMPARE(oApplication.getNextStateId(3, V40::APP::s_iExitCodeSuccess), -1);
        QCOMPARE(oApplication.getNextStateId(1, V40::APP::lastExitCode() + 1), -2);
    }

    void screenshot()
    {
        qputenv("KESTRA_PLATFORM_KIND", "0");
        GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/FormatMenu.png");
        GuiKeyDriver::KeyScript oScript;
        oScript.waitUntil(StateTest::messageShown).key(Qt::Key_F6).waitUntil(StateTest::messageShown);
        oScript.call([] { GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/FormatPower.png"); });
        oScript.key(Qt::Key_F1);
        oScript.start();
        GuiKeyDriver::pressKey(m_lstSystemPath.at(2));
        QVERIFY(oScript.waitUntilDone());
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    QList<int> m_lstSystemPath;
    QList<int> m_lstSdCardPath;
};

KESTRA_TEST_MAIN(FormatApplicationTest)
#include "tst_KTX_APP_FormatApplication.moc"
