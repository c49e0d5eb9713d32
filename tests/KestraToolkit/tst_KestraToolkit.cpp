// The real program: single instance per simulator root, waking the running one, clean stop.
#include "KestraProcess.h"
#include "KestraTest.h"

#include "Ferrolib/BSS_SYS_Event.h"
#include "Quillbase/CMN_InstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

#include <signal.h>
#include <sys/stat.h>

namespace {

// Presses the instrument's keys in the toolkit's window, from outside, as the simulator tool does.
bool pressKeys(const QString& strRoot, const QStringList& lstKeys)
{
    KestraTest::ProgramC oSimCtl(strRoot, KestraTest::binDir() + "/KestraSimCtl");
    return oSimCtl.start(QStringList{"key"} + lstKeys) && oSimCtl.waitForFinished() && oSimCtl.exitCode() == 0;
}

// Presses the keys one after the other; "?N:text" waits until the trace had the text N times.
bool pressEach(KestraTest::ProgramC& rProgram, const QString& strRoot, const QStringList& lstKeys)
{
    for (const QString& strKey : lstKeys) {
        const bool bDone = strKey.startsWith('?')
            ? rProgram.waitForText(strKey.section(':', 1), 10000, strKey.mid(1).section(':', 0, 0).toInt())
            : pressKeys(strRoot, {strKey});
        if (!bDone)
            return false;
    }
    return true;
}

// The instrument's clock shows this time of the host's day from now on.
bool setInstrumentTime(const QString& strRoot, const QTime& oTime)
{
    const qint64 iOffset = QDateTime::currentDateTime().secsTo(QDateTime(QDate::currentDate(), oTime));
    KestraTest::ProgramC oSimCtl(strRoot, KestraTest::binDir() + "/KestraSimCtl");
    return oSimCtl.start({"set", "Clock/Offset", QString::number(iOffset)}) && oSimCtl.waitForFinished()
        && oSimCtl.exitCode() == 0;
}

// SIGTERM (or SIGINT) ends the program at once, with exit code 0 and no assertion report.
void stopCleanly(KestraTest::ProgramC& rProgram, int iSignal = SIGTERM)
{
    QElapsedTimer oTimer;
    oTimer.start();
    QVERIFY(::kill(pid_t(rProgram.pid()), iSignal) == 0);
    QVERIFY(rProgram.waitForFinished(5000));
    // Generous against a loaded machine; a stop that waits for anything takes seconds.
    QVERIFY2(oTimer.elapsed() < 2500, qPrintable(QString::number(oTimer.elapsed())));
    QVERIFY(!rProgram.crashed());
    QCOMPARE(rProgram.exitCode(), 0);
    QVERIFY2(!rProgram.output().contains("ASSERT"), qPrintable(rProgram.output().right(3000)));
}

// The main menu is up, in the active window, once its first tile got the focus.
const char* const kMainMenuShown = "GOT FOCUS: V40::GUI::IconMenuItemWidgetC \"Level\"";

} // namespace

class KestraToolkitTest : public QObject
{
    Q_OBJECT

private slots:
    // A newcomer learns every switch and environment variable from --help: those the sources
    // read and the commands KestraSimCtl takes.
    void helpNamesEverything_data()
    {
        QTest::addColumn<QString>("strProgram");
        QTest::addColumn<QStringList>("lstNames");
        QStringList lstVariables;
        const QRegularExpression oRead(QStringLiteral("(?:qgetenv|qEnvironmentVariable\\w*)\\(\"(KESTRA_\\w+)\""));
        for (const char* szDir : {"KestraToolkit", "KestraToolkitMain", "Vela40GUI", "platform"}) {
            QDirIterator oFiles(QStringLiteral(KESTRA_SOURCE_DIR "/") + szDir, {"*.cpp", "*.h"}, QDir::Files,
                                QDirIterator::Subdirectories);
            while (oFiles.hasNext()) {
                QFile oFile(oFiles.next());
                QVERIFY(oFile.open(QIODevice::ReadOnly));
                auto itMatch = oRead.globalMatch(QString::fromUtf8(oFile.readAll()));
                while (itMatch.hasNext())
                    lstVariables << itMatch.next().captured(1);
            }
        }
        lstVariables.removeDuplicates();
        QVERIFY(lstVariables.contains("KESTRA_SIM_ROOT"));
        QTest::newRow("KestraToolkit") << "KestraToolkit" << lstVariables + QStringList{"/AUTOSTART", "/START_FW_LOADER"};

        QFile oSimCtl(QStringLiteral(KESTRA_SOURCE_DIR "/tools/simctl/KSC_Main.cpp"));
        QVERIFY(oSimCtl.open(QIODevice::ReadOnly));
        QStringList lstCommands{"KESTRA_SIM_ROOT", "--markdown"};
        auto itCommand = QRegularExpression(QStringLiteral("strCommand == QLatin1String\\(\"([\\w-]+)\"\\)"))
                             .globalMatch(QString::fromUtf8(oSimCtl.readAll()));
        while (itCommand.hasNext())
            lstCommands << itCommand.next().captured(1);
        QVERIFY(lstCommands.size() > 10);
        QTest::newRow("KestraSimCtl") << "KestraSimCtl" << lstCommands;
    }

    void helpNamesEverything()
    {
        QFETCH(QString, strProgram);
        QFETCH(QStringList, lstNames);
        KestraTest::ProgramC oProgram(KestraTest::simRoot(), KestraTest::binDir() + "/" + strProgram);
        QVERIFY(oProgram.start({"--help"}));
        QVERIFY(oProgram.waitForFinished());
        QCOMPARE(oProgram.exitCode(), 0);
        const QString strHelp = oProgram.output();
        for (const QString& strName : lstNames)
            QVERIFY2(strHelp.contains(QRegularExpression("(^|[\\s\\[])" + QRegularExpression::escape(strName) + "[\\s,=\\]]")),
                     qPrintable(strName));
    }

    void exitQuestionOnTheSimulator()
    {
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path());
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText(kMainMenuShown));
        // Into Apps and back, then Escape asks "Exit?" and Escape (NO) returns to the main menu.
        QVERIFY(pressKeys(oRoot.path(), {"4", "Escape", "Escape", "Escape"}));
        QVERIFY(oProgram.waitForText("GOT FOCUS: V40::GUI::IconMenuItemWidgetC \"Update\""));
        QVERIFY(oProgram.waitForText("GOT FOCUS: V40::GUI::IconMenuItemWidgetC \"Apps\"", 10000, 2));
        QVERIFY(!oProgram.waitForFinished(300));
        // YES ends the simulator.
        QVERIFY(pressKeys(oRoot.path(), {"Escape", "F6"}));
        QVERIFY(oProgram.waitForFinished());
        QCOMPARE(oProgram.exitCode(), 0);
        QVERIFY(oProgram.output().contains("Got stop application event."));
        QVERIFY(oProgram.output().contains("Leaving Kestra Toolkit main with exit code 0."));
        QVERIFY(!oProgram.output().contains("ASSERT"));
    }

    void exitOnTheInstrumentClosesOnlyTheGui()
    {
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path());
        oProgram.setEnvironment(QStringLiteral("KESTRA_PLATFORM_KIND"), QStringLiteral("1"));
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText(kMainMenuShown));
        QVERIFY(pressKeys(oRoot.path(), {"Escape", "F6"}));
        // The stop event comes before the window is gone; a start in between would still find it.
        QVERIFY(oProgram.waitForText("GUI hidden."));
        QVERIFY(!oProgram.waitForFinished(300));

        // No window now: a second start asks for the GUI, which comes back.
        KestraTest::ProgramC oSecond(oRoot.path());
        QVERIFY(oSecond.start());
        QVERIFY(oSecond.waitForFinished());
        QVERIFY(!oSecond.output().contains("Window found"));
        QVERIFY(oProgram.waitForText("Got start GUI event."));
        QVERIFY(oProgram.waitForText(kMainMenuShown, 10000, 2));

        // While the GUI is shown, a further start raises the window.
        KestraTest::ProgramC oThird(oRoot.path());
        QVERIFY(oThird.start());
        QVERIFY(oThird.waitForFinished());
        QCOMPARE(oThird.exitCode(), 0);
        QVERIFY(oThird.output().contains("Window found"));

        oProgram.terminate();
        QVERIFY(oProgram.waitForFinished());
        QVERIFY(!oProgram.crashed());
        QCOMPARE(oProgram.exitCode(), 0);
        QVERIFY(!oProgram.output().contains("ASSERT"));
    }

    // Whatever is open, a stop ends the process at once with code 0, and stores only what the
    // operator confirmed (here: the distance unit changed to US-ft with Right in unit settings).
    void stopInEveryScreen_data()
    {
        QTest::addColumn<QString>("strKind");
        QTest::addColumn<QStringList>("lstKeys");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<bool>("bRecordsBroken");
        QTest::addColumn<bool>("bStored");
        // SIGINT is the platform's close as well.
        QTest::addColumn<int>("iSignal");
        const QString strUnit = QStringLiteral("GOT FOCUS: V40::GUI::ComboWidgetC");
        for (const QString& strKind : {QStringLiteral("0"), QStringLiteral("1")}) {
            const char* szKind = strKind == "0" ? "simulator" : "instrument";
            QTest::addRow("%s: main menu", szKind) << strKind << QStringList() << kMainMenuShown << false << false << SIGTERM;
            QTest::addRow("%s: level", szKind) << strKind << QStringList{"1"} << "Laser plummet on at 60 %." << false << false << SIGTERM;
            // Stopped right after the level screen was left, before or after its plummet went off.
            QTest::addRow("%s: level left", szKind) << strKind << QStringList{"1", "?1:Laser plummet on", "F6"}
                                                    << "Laser plummet on at 60 %." << false << false << SIGTERM;
            QTest::addRow("%s: unit settings", szKind)
                << strKind << QStringList{"3", "1"} << strUnit << false << false << SIGTERM;
            QTest::addRow("%s: exit question", szKind)
                << strKind << QStringList{"Escape"} << "MESSAGE: Information: Exit?" << false << false << SIGTERM;
            QTest::addRow("%s: modified, exit question", szKind)
                << strKind << QStringList{"3", "1", "Down", "Right", "Escape"}
                << "MESSAGE: Information: Exit?  Modifications" << false << false << SIGTERM;
            QTest::addRow("%s: data stored", szKind) << strKind << QStringList{"3", "1", "Down", "Right", "F6"}
                                                      << "MESSAGE: Information: Data stored" << false << true << SIGTERM;
            QTest::addRow("%s: not stored", szKind) << strKind << QStringList{"3", "1", "Down", "Right", "F6"}
                                                     << "MESSAGE: Error: Data could not" << true << false << SIGTERM;
            QTest::addRow("%s: date and time", szKind)
                << strKind << QStringList{"3", "2"} << "GOT FOCUS: KTX::GUI::UnitWidgetC" << false << false << SIGTERM;
            QTest::addRow("%s: date and time, exit question", szKind)
                << strKind << QStringList{"3", "2", "?1:GOT FOCUS: KTX::GUI::UnitWidgetC", "1", "Escape"} << "MESSAGE: Information: Exit?  Modifications" << false
                << false << SIGTERM;
            QTest::addRow("%s: port selection", szKind) << strKind << QStringList{"3", "3"} << "Ports: RS232" << false << false << SIGTERM;
            QTest::addRow("%s: RS232 settings", szKind) << strKind << QStringList{"3", "3", "F5"} << strUnit << false << false << SIGTERM;
            QTest::addRow("%s: Bluetooth PIN", szKind)
                << strKind << QStringList{"3", "3", "Down", "F5"} << "GOT FOCUS: V40::GUI::ValueWidgetC" << false << false << SIGTERM;
            QTest::addRow("%s: restart question", szKind)
                << strKind
                << QStringList{"3", "3", "Down", "F5", "1", "2", "3", "4", "Enter", "F6", "?2:Ports: RS232", "Escape"}
                << "MESSAGE: Information: A reboot" << false << false << SIGTERM;
            QTest::addRow("%s: no file to upload", szKind) << strKind << QStringList{"4", "1", "2"}
                                                           << "MESSAGE: Information: No Language file" << false << false << SIGTERM;
            QTest::addRow("%s: format warning", szKind) << strKind << QStringList{"4", "3", "2"}
                                                        << "MESSAGE: Information: Data may get lost" << false << false << SIGTERM;
            // Apps > Calib. > Calibrate All: the level screen, the first step, its measurement
            // (stopped while the telescope turns to face II), the question on leaving.
            const QStringList lstStep{"4", "2", "1", "?1:Laser plummet on", "F6", "?1:Laser plummet off"};
            QTest::addRow("%s: calibration level", szKind)
                << strKind << QStringList{"4", "2", "1"} << "Laser plummet on at 60 %." << false << false << SIGTERM;
            QTest::addRow("%s: calibration step", szKind) << strKind << lstStep << "Laser plummet off." << false << false << SIGTERM;
            QTest::addRow("%s: calibration measuring", szKind)
                << strKind << lstStep + QStringList{"F6"} << "calibration started" << false << false << SIGTERM;
            QTest::addRow("%s: calibration, exit question", szKind)
                << strKind << lstStep + QStringList{"Escape"} << "MESSAGE: Information: Exit?  Modifications" << false
                << false << SIGTERM;
            QTest::addRow("%s: adjustment data", szKind)
                << strKind << QStringList{"4", "2", "3"} << "Leave KTX::APP::CalibrationModelC::Init" << false << false << SIGTERM;
            // Settings > Atmos., a height of 20 m typed into the first row.
            const QStringList lstAtmos{"3", "4", "2", "0", "Enter"};
            QTest::addRow("%s: atmospheric settings", szKind)
                << strKind << QStringList{"3", "4"} << "GOT FOCUS: KTX::GUI::UnitWidgetC" << false << false << SIGTERM;
            QTest::addRow("%s: atmospheric, exit question", szKind)
                << strKind << lstAtmos + QStringList{"Escape"} << "MESSAGE: Information: Exit?  Modifications" << false
                << false << SIGTERM;
            QTest::addRow("%s: atmospheric, data stored", szKind)
                << strKind << lstAtmos + QStringList{"F6"} << "MESSAGE: Information: Data stored" << false << true << SIGTERM;
            QTest::addRow("%s: atmospheric, not stored", szKind)
                << strKind << lstAtmos + QStringList{"F6"} << "MESSAGE: Error: Data could not" << true << false << SIGTERM;
            QTest::addRow("%s: format result", szKind)
                << strKind
                << QStringList{"4", "3", "2", "?1:Data may get lost", "F6", "?1:Never disconnect power supply", "F6"}
                << "Format completed!" << false << false << SIGINT;
            QTest::addRow("%s: exit question, SIGINT", szKind)
                << strKind << QStringList{"Escape"} << "MESSAGE: Information: Exit?" << false << false << SIGINT;
            QTest::addRow("%s: data stored, SIGINT", szKind) << strKind << QStringList{"3", "1", "Down", "Right", "F6"}
                                                              << "MESSAGE: Information: Data stored" << false << true << SIGINT;
        }
    }

    void stopInEveryScreen()
    {
        QFETCH(QString, strKind);
        QFETCH(QStringList, lstKeys);
        QFETCH(QString, strShown);
        QFETCH(bool, bRecordsBroken);
        QFETCH(bool, bStored);
        QFETCH(int, iSignal);
        QTemporaryDir oRoot;
        const QString strRecords = oRoot.path() + "/Documents/KestraToolkit/Vela40/Records";
        if (bRecordsBroken) {
            // A file where the records folder belongs: every store fails.
            QVERIFY(QDir().mkpath(QFileInfo(strRecords).path()));
            QFile oBlocker(strRecords);
            QVERIFY(oBlocker.open(QIODevice::WriteOnly));
        }
        KestraTest::ProgramC oProgram(oRoot.path());
        oProgram.setEnvironment(QStringLiteral("KESTRA_PLATFORM_KIND"), strKind);
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText(kMainMenuShown));
        QVERIFY(setInstrumentTime(oRoot.path(), QTime(7, 8, 9)));
        QVERIFY(pressEach(oProgram, oRoot.path(), lstKeys));
        QVERIFY(oProgram.waitForText(strShown));

        stopCleanly(oProgram, iSignal);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QDir(strRecords).entryList(QDir::Files).size() > 0, bStored);
        // A plummet switched on is off again.
        QCOMPARE(oProgram.count("Laser plummet off."), oProgram.count("Laser plummet on"));
    }

    // On the instrument without its GUI: the level key opens the level screen with the plummet
    // on, the simulator tool tilts the instrument, F6 leaves and closes the GUI again.
    void levelKeyOnTheInstrument()
    {
        QTemporaryDir oRoot;
        const auto fnSimCtl = [&oRoot](const QStringList& lstArguments, QString* pstrOutput = nullptr) {
            KestraTest::ProgramC oSimCtl(oRoot.path(), KestraTest::binDir() + "/KestraSimCtl");
            if (!oSimCtl.start(lstArguments) || !oSimCtl.waitForFinished())
                return -1;
            if (pstrOutput)
                *pstrOutput = oSimCtl.output().trimmed();
            return oSimCtl.exitCode();
        };
        KestraTest::ProgramC oProgram(oRoot.path());
        oProgram.setEnvironment(QStringLiteral("KESTRA_PLATFORM_KIND"), QStringLiteral("1"));
        QVERIFY(oProgram.start({"/AUTOSTART"}));
        QVERIFY(oProgram.waitForText("Waiting for event..."));
        QCOMPARE(fnSimCtl({"level-key"}), 0);
        QVERIFY(oProgram.waitForText("Laser plummet on at 60 %."));
        QString strOutput;
        QCOMPARE(fnSimCtl({"get", "LaserPlummet/On"}, &strOutput), 0);
        QCOMPARE(strOutput, QStringLiteral("1"));

        QCOMPARE(fnSimCtl({"tilt", "0.05gon", "-0.3mrad"}), 0);
        QCOMPARE(fnSimCtl({"tilt"}, &strOutput), 0);
        QCOMPARE(strOutput, QStringLiteral("L = 0.0500 gon (0.000785398 rad)   T = -0.0191 gon (-0.0003 rad)"));
        QCOMPARE(fnSimCtl({"tilt", "0.05", "0gon"}, &strOutput), 1);
        QVERIFY(strOutput.contains("'0.05' is no angle"));

        QCOMPARE(fnSimCtl({"key", "F6"}), 0);
        QVERIFY(oProgram.waitForText("Got stop GUI event."));
        QVERIFY(oProgram.output().contains("Laser plummet off."));
        QVERIFY(!oProgram.waitForFinished(300));
        QCOMPARE(fnSimCtl({"get", "LaserPlummet/On"}, &strOutput), 0);
        QCOMPARE(strOutput, QStringLiteral("0"));
        oProgram.terminate();
        QVERIFY(oProgram.waitForFinished());
        QCOMPARE(oProgram.exitCode(), 0);
        QVERIFY(!oProgram.output().contains("ASSERT"));
    }

    // The time set in Date/Time is the instrument's from then on: it ticks on after a restart.
    // The host's clock is not touched (the instrument's runs at an offset from it).
    void clockSetKeepsTickingAfterRestart()
    {
        QTemporaryDir oRoot;
        {
            KestraTest::ProgramC oProgram(oRoot.path());
            QVERIFY(oProgram.start());
            QVERIFY(oProgram.waitForText(kMainMenuShown));
            QVERIFY(pressEach(oProgram, oRoot.path(), {"3", "2", "?1:GOT FOCUS: KTX::GUI::UnitWidgetC", "0", "3", "0", "4", "0", "5", "Enter", "F6"}));
            QVERIFY(oProgram.waitForText("Clock set to "));
            QVERIFY(oProgram.waitForText("MESSAGE: Information: Data stored"));
            oProgram.terminate();
            QVERIFY(oProgram.waitForFinished());
            QCOMPARE(oProgram.exitCode(), 0);
        }
        KestraTest::ProgramC oAgain(oRoot.path());
        QVERIFY(oAgain.start());
        QVERIFY(oAgain.waitForText(kMainMenuShown));
        QVERIFY(pressEach(oAgain, oRoot.path(), {"3", "2"}));
        // The time row shows the clock, one second after the other.
        QVERIFY(oAgain.waitForText("MODEL value changed (''): widget: 03:04:"));
        const QString strFirst = oAgain.output().section("MODEL value changed (''): widget: 03:04:", -1).left(2);
        QVERIFY(oAgain.waitForText("widget: 03:04:", 10000, 3));
        QVERIFY(!oAgain.output().section("widget: 03:04:", -1).startsWith(strFirst));
        oAgain.terminate();
        QVERIFY(oAgain.waitForFinished());
        QVERIFY(!oAgain.output().contains("ASSERT"));
    }

    // A new PIN is taken by the Bluetooth module only when it starts: the toolkit asks, and YES
    // restarts the instrument (the simulator goes down and stays down).
    void restartAfterANewPin()
    {
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path());
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText(kMainMenuShown));
        QVERIFY(pressEach(oProgram, oRoot.path(),
                          {"3", "3", "Down", "F5", "2", "4", "6", "8", "Enter", "F6", "?2:Ports: RS232", "Escape"}));
        QVERIFY(oProgram.waitForText("MESSAGE: Information: A reboot is required"));
        QVERIFY(pressKeys(oRoot.path(), {"F6"}));
        QVERIFY(oProgram.waitForFinished());
        QCOMPARE(oProgram.exitCode(), 0);
        QVERIFY(oProgram.output().contains("Restart of the instrument requested."));
        QVERIFY(!oProgram.output().contains("ASSERT"));
    }

    // A stop while an upload runs: the process ends at once and cleanly, and what is installed
    // is whole, the old or the new (a firmware upload that has not begun yet does not begin).
    void stopDuringAnUpload_data()
    {
        QTest::addColumn<bool>("bFirmware");
        QTest::newRow("language") << false;
        QTest::newRow("firmware") << true;
    }

    void stopDuringAnUpload()
    {
        QFETCH(bool, bFirmware);
        QTemporaryDir oRoot;
        const QString strData = oRoot.path() + "/Documents/KestraToolkit/Vela40";
        QTemporaryDir oImageDir;
        const QString strImage = oImageDir.filePath("Vela40.img");
        QFile oImage(strImage);
        QVERIFY(oImage.open(QIODevice::WriteOnly) && oImage.write(QByteArray(200000, 'f')) == 200000);
        oImage.close();
        const QString strSource = bFirmware ? strImage : KestraTest::binDir() + "/KestraToolkit_de_DE.qm";
        KestraTest::ProgramC oPack(oRoot.path(), KestraTest::binDir() + "/KestraLangPack");
        QVERIFY(oPack.start(bFirmware ? QStringList{"--firmware", "--version", "2.0.0", "--sdcard", strSource}
                                      : QStringList{"--sdcard", strSource}));
        QVERIFY(oPack.waitForFinished());
        QCOMPARE(oPack.exitCode(), 0);

        KestraTest::ProgramC oProgram(oRoot.path());
        oProgram.setEnvironment(QStringLiteral("KESTRA_PLATFORM_KIND"), bFirmware ? "1" : "0");
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText(kMainMenuShown));
        // Apps > Update > the kind, the first file, YES to the warnings.
        QVERIFY(pressKeys(oRoot.path(), {"4", "1", bFirmware ? "1" : "2", "F6"}));
        if (bFirmware) {
            QVERIFY(oProgram.waitForText("MESSAGE: Information: Data may get lost"));
            QVERIFY(pressKeys(oRoot.path(), {"F6"}));
        }
        QVERIFY(oProgram.waitForText("MESSAGE: Information: Never disconnect power supply"));
        QVERIFY(pressKeys(oRoot.path(), {"F6"}));
        QVERIFY(oProgram.waitForText("FileUpload: uploading"));
        stopCleanly(oProgram);
        if (QTest::currentTestFailed())
            return;

        QFile oSource(strSource);
        QVERIFY(oSource.open(QIODevice::ReadOnly));
        const QByteArray baSource = oSource.readAll();
        const QString strInstalledDir = strData + (bFirmware ? "/System/Firmware" : "/System/Language");
        const QStringList lstInstalled = QDir(strInstalledDir).entryList(QDir::Files | QDir::Hidden);
        if (!lstInstalled.isEmpty()) {
            QCOMPARE(lstInstalled, QStringList({QFileInfo(strSource).fileName()}));
            QFile oInstalled(strInstalledDir + "/" + lstInstalled.first());
            QVERIFY(oInstalled.open(QIODevice::ReadOnly));
            QVERIFY(oInstalled.readAll() == baSource);
        }
        if (bFirmware) {
            KestraTest::ProgramC oSimCtl(oRoot.path(), KestraTest::binDir() + "/KestraSimCtl");
            QVERIFY(oSimCtl.start({"get", "Settings/FirmwareVersion"}));
            QVERIFY(oSimCtl.waitForFinished());
            QCOMPARE(oSimCtl.output().trimmed(), lstInstalled.isEmpty() ? QStringLiteral("1.0.0") : QStringLiteral("2.0.0"));
        }
    }

    // Without a GUI there is nothing to wait for: the stop takes no time.
    void stopWithoutGui_data()
    {
        QTest::addColumn<QString>("strArgument");
        QTest::addColumn<QString>("strTrace");
        QTest::newRow("autostart, nothing stored") << "/AUTOSTART" << "Waiting for event...";
        QTest::newRow("loader") << "/START_FW_LOADER" << "Loader mode: no GUI is shown";
    }

    void stopWithoutGui()
    {
        QFETCH(QString, strArgument);
        QFETCH(QString, strTrace);
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path());
        QVERIFY(oProgram.start({strArgument}));
        QVERIFY(oProgram.waitForText(strTrace));
        QVERIFY(oProgram.waitForText("Waiting for event..."));
        QElapsedTimer oTimer;
        oTimer.start();
        oProgram.terminate();
        QVERIFY(oProgram.waitForFinished(10000));
        QVERIFY2(oTimer.elapsed() < 2500, qPrintable(QString::number(oTimer.elapsed())));
        QCOMPARE(oProgram.exitCode(), 0);
        QVERIFY(!oProgram.output().contains("did not stop"));
        QVERIFY(!oProgram.output().contains("GUI shown."));
    }

    void attachedDeviceBecomesActive()
    {
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path());
        QVERIFY(oProgram.start({"/AUTOSTART"}));
        QVERIFY(oProgram.waitForText("Waiting for event..."));
        KestraTest::ProgramC oSimCtl(oRoot.path(), KestraTest::binDir() + "/KestraSimCtl");
        QVERIFY(oSimCtl.start({"attach-device", "71"}));
        QVERIFY(oSimCtl.waitForFinished());
        QVERIFY(oProgram.waitForText("Device BluetoothHandle active on port 2."));
        oProgram.terminate();
        QVERIFY(oProgram.waitForFinished());
    }

    void secondStartWakesTheFirstAndSigtermStopsCleanly()
    {
        QTemporaryDir oRoot;
        // Without a stored mode the first instance runs without its GUI, so there is no window.
        KestraTest::ProgramC oFirst(oRoot.path());
        QVERIFY(oFirst.start({"/AUTOSTART"}));
        QVERIFY(oFirst.waitForText("Starting firmware (application mode: 2)"));
        QVERIFY(oFirst.waitForText("Waiting for event..."));

        KestraTest::ProgramC oSecond(oRoot.path());
        QVERIFY(oSecond.start());
        QVERIFY(oSecond.waitForFinished());
        QCOMPARE(oSecond.exitCode(), 0);
        QVERIFY(oSecond.output().contains("Application already running!"));
        QVERIFY(!oSecond.output().contains("LoadLibrary"));
        QVERIFY(oFirst.waitForText("Got start GUI event."));

        QElapsedTimer oTimer;
        oTimer.start();
        oFirst.terminate();
        QVERIFY(oFirst.waitForFinished(5000));
        QVERIFY2(oTimer.elapsed() < 5000, "SIGTERM must end the program promptly");
        QVERIFY(!oFirst.crashed());
        QCOMPARE(oFirst.exitCode(), 0);
        const QString strOutput = oFirst.output();
        QVERIFY(strOutput.contains("Got stop application event."));
        QVERIFY(strOutput.indexOf("Got stop application event.")
                < strOutput.indexOf("Leaving Kestra Toolkit main with exit code 0."));
    }

    void startsOfDifferentRootsDoNotMeet()
    {
        QTemporaryDir oRootA;
        QTemporaryDir oRootB;
        KestraTest::ProgramC oA(oRootA.path());
        KestraTest::ProgramC oB(oRootB.path());
        QVERIFY(oA.start());
        QVERIFY(oB.start());
        QVERIFY(oA.waitForText("Waiting for event..."));
        QVERIFY(oB.waitForText("Waiting for event..."));
        QVERIFY(!oB.output().contains("Application already running!"));
        oA.terminate();
        oB.terminate();
        QVERIFY(oA.waitForFinished());
        QVERIFY(oB.waitForFinished());
        QCOMPARE(oA.exitCode(), 0);
        QCOMPARE(oB.exitCode(), 0);
        QVERIFY(!oB.output().contains("Got start GUI event."));
    }

    void commandLineModes_data()
    {
        QTest::addColumn<QStringList>("lstArguments");
        QTest::addColumn<QString>("strTrace");
        QTest::newRow("autostart") << QStringList{"/AUTOSTART"} << "Starting firmware (application mode: 2)";
        QTest::newRow("autostart, other case") << QStringList{"/autostart"} << "Starting firmware (application mode: 3)";
        QTest::newRow("loader") << QStringList{"/START_FW_LOADER"} << "Starting firmware (loader mode)";
    }

    void commandLineModes()
    {
        QFETCH(QStringList, lstArguments);
        QFETCH(QString, strTrace);
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path());
        QVERIFY(oProgram.start(lstArguments));
        QVERIFY(oProgram.waitForText(strTrace));
        QVERIFY(oProgram.waitForText("Waiting for event..."));
        oProgram.terminate();
        QVERIFY(oProgram.waitForFinished());
        QCOMPARE(oProgram.exitCode(), 0);
        QVERIFY(oProgram.output().contains("Leaving Kestra Toolkit main with exit code 0."));
    }

    void secondStartKeepsChangedSimulatorSettings()
    {
        QTemporaryDir oRoot;
        for (int iRun = 0; iRun < 2; ++iRun) {
            KestraTest::ProgramC oProgram(oRoot.path());
            QVERIFY(oProgram.start());
            QVERIFY(oProgram.waitForText("Waiting for event..."));
            oProgram.terminate();
            QVERIFY(oProgram.waitForFinished());
            if (iRun == 0) {
                KestraTest::ProgramC oSimCtl(oRoot.path(), KestraTest::binDir() + "/KestraSimCtl");
                QVERIFY(oSimCtl.start({"set", "Settings/Battery/BatteryInternal1/Capacity", "20"}));
                QVERIFY(oSimCtl.waitForFinished());
                QCOMPARE(oSimCtl.exitCode(), 0);
            }
        }
        KestraTest::ProgramC oSimCtl(oRoot.path(), KestraTest::binDir() + "/KestraSimCtl");
        QVERIFY(oSimCtl.start({"get", "Settings/Battery/BatteryInternal1/Capacity"}));
        QVERIFY(oSimCtl.waitForFinished());
        QCOMPARE(oSimCtl.output().trimmed(), QStringLiteral("20"));
        QVERIFY(QFileInfo(oRoot.path() + "/Documents/KestraToolkit/Vela40/Internal/Data/Dialect/Images/ATR").isDir());
    }

    void missingLibraryIsTriedThreeTimes()
    {
        QTemporaryDir oInstall;
        QVERIFY(QFile::copy(KestraTest::binDir() + "/KestraToolkit", oInstall.path() + "/KestraToolkit"));
        // The platform's libraries, which the launcher links, without the main module library.
        for (const QString& strLibrary : QDir(KestraTest::binDir()).entryList({"lib*.so"}, QDir::Files)) {
            if (strLibrary != QLatin1String("libKestraToolkitMain.so"))
                QVERIFY(QFile::copy(KestraTest::binDir() + "/" + strLibrary, oInstall.path() + "/" + strLibrary));
        }
        QFile(oInstall.path() + "/KestraToolkit").setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
        QTemporaryDir oRoot;
        KestraTest::ProgramC oProgram(oRoot.path(), oInstall.path() + "/KestraToolkit");
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForFinished());
        QCOMPARE(oProgram.exitCode(), 0);
        QCOMPARE(oProgram.count("LoadLibrary KestraToolkitMain DLL fails!"), 3);
        QVERIFY(!oProgram.output().contains("succeeded"));
    }

    // Damaged files where the toolkit reads: an upload file on the card, the unit record in the
    // records folder. The program neither hangs nor crashes, says or traces what it does, and the
    // settings stored beside are kept. As root nothing is unreadable by its mode, so a
    // folder in the file's place stands for an unreadable file.
    void damagedInputs_data()
    {
        QTest::addColumn<bool>("bOnCard");
        QTest::addColumn<QString>("strDamage");
        QTest::addColumn<QStringList>("lstKeys");
        QTest::addColumn<QString>("strOutcome");
        const QStringList lstUpload{"4", "1", "2"};
        const QString strNoFile = QStringLiteral("MESSAGE: Information: No Language file");
        for (const char* szDamage : {"truncated", "foreign", "fifo", "folder"})
            QTest::addRow("card: %s", szDamage) << true << QString(szDamage) << lstUpload << strNoFile;
        // A whole header with more behind it than it announces: listed, refused at the upload.
        QTest::addRow("card: huge") << true << "huge" << lstUpload + QStringList{"F6", "?1:Never disconnect power supply", "F6"}
                                    << "was not successful.  Error number: 0x3106002.";
        const QStringList lstUnitStore{"3", "1", "?1:GOT FOCUS: V40::GUI::ComboWidgetC", "Down", "Right", "F6"};
        for (const char* szDamage : {"truncated", "foreign", "huge", "fifo"})
            QTest::addRow("record: %s", szDamage) << false << QString(szDamage) << lstUnitStore
                                                  << "MESSAGE: Information: Data stored";
        QTest::addRow("record: folder") << false << "folder" << lstUnitStore << "MESSAGE: Error: Data could not";
    }

    void damagedInputs()
    {
        QFETCH(bool, bOnCard);
        QFETCH(QString, strDamage);
        QFETCH(QStringList, lstKeys);
        QFETCH(QString, strOutcome);
        QTemporaryDir oRoot;
        const QString strData = oRoot.path() + "/Documents/KestraToolkit/Vela40";
        const QString strRecords = strData + "/Records";
        // A stored setting beside the damaged file: the laser plummet's intensity.
        QCOMPARE(KestraTest::runSimCtl({"set", "LaserPlummet/Intensity", "35"}, nullptr, oRoot.path()), 0);
        QVERIFY(QDir().mkpath(strRecords));
        QString strTarget;
        QByteArray baGood;
        if (bOnCard) {
            KestraTest::ProgramC oPack(oRoot.path(), KestraTest::binDir() + "/KestraLangPack");
            QVERIFY(oPack.start({"--sdcard", KestraTest::binDir() + "/KestraToolkit_de_DE.qm"}));
            QVERIFY(oPack.waitForFinished());
            QCOMPARE(oPack.exitCode(), 0);
            QDirIterator itFiles(strData, {"*.slg"}, QDir::Files, QDirIterator::Subdirectories);
            QVERIFY(itFiles.hasNext());
            strTarget = itFiles.next();
        } else {
            strTarget = strRecords + "/CONF_2_1.rec";
        }
        QFile oGood(strTarget);
        if (oGood.open(QIODevice::ReadOnly))
            baGood = oGood.readAll();
        oGood.close();
        QFile::remove(strTarget);
        if (strDamage == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(strTarget).constData(), 0600), 0);
        } else if (strDamage == "folder") {
            QVERIFY(QDir().mkpath(strTarget));
        } else {
            QFile oDamaged(strTarget);
            QVERIFY(oDamaged.open(QIODevice::WriteOnly));
            if (strDamage == "truncated")
                oDamaged.write(bOnCard ? baGood.left(20) : QByteArray("KREC\x01\x00", 6));
            else if (strDamage == "foreign")
                oDamaged.write(QByteArray(4096, '\xA5'));
            else
                oDamaged.write(baGood + QByteArray(8 * 1024 * 1024, 'x'));
        }
        KestraTest::ProgramC oProgram(oRoot.path());
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText(kMainMenuShown));
        QVERIFY(pressEach(oProgram, oRoot.path(), lstKeys));
        QVERIFY2(oProgram.waitForText(strOutcome), qPrintable(oProgram.output().right(3000)));
        stopCleanly(oProgram);
        if (!bOnCard && strDamage != "folder")
            QVERIFY(oProgram.output().contains("Record CONF(2, 1) unusable"));
        QString strIntensity;
        QCOMPARE(KestraTest::runSimCtl({"get", "LaserPlummet/Intensity"}, &strIntensity, oRoot.path()), 0);
        QCOMPARE(strIntensity.trimmed(), QStringLiteral("35"));
    }

    void secondStartRaisesAWindowOfTheRunningInstance_data()
    {
        QTest::addColumn<bool>("bMaximised");
        QTest::newRow("maximised stays maximised") << true;
        QTest::newRow("normal is restored") << false;
    }

    void secondStartRaisesAWindowOfTheRunningInstance()
    {
        QFETCH(bool, bMaximised);
        // This process plays the running instance: it holds the lock and shows the GUI window.
        CMN::InstanceLockC oLock("KestraToolkit");
        QVERIFY(!oLock.isHeldByOther());
        QWidget oWindow;
        oWindow.setWindowTitle(QStringLiteral("KestraToolkit"));
        if (bMaximised)
            oWindow.showMaximized();
        else
            oWindow.showMinimized();
        QCoreApplication::processEvents();
        BSS::SYS::EventC oStartGui("KestraToolkit_StartGui");

        KestraTest::ProgramC oSecond(KestraTest::simRoot());
        QVERIFY(oSecond.start());
        QVERIFY(oSecond.waitForFinished());
        QCOMPARE(oSecond.exitCode(), 0);
        QVERIFY(oSecond.output().contains("Application already running!"));
        QVERIFY(oSecond.output().contains("Window found"));
        QVERIFY(KestraTest::waitFor([&] { return !oWindow.isMinimized() && oWindow.isVisible(); }));
        QCOMPARE(oWindow.isMaximized(), bMaximised);
        QVERIFY(!oStartGui.wait(0)); // a found window is raised, not asked to start
    }
};

KESTRA_TEST_MAIN(KestraToolkitTest)
#include "tst_KestraToolkit.moc"
