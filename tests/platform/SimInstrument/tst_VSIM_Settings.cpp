// The simulated instrument's settings: defaults, the range checks of every write, what a
// damaged file reads as, and the control tool that changes them from outside.
#include "KestraProcess.h"
#include "KestraTest.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <future>
#include <memory>
#include <vector>

namespace {

struct ToolRunS
{
    int iExitCode;
    QString strOutput;
};

ToolRunS runSimCtl(const QStringList& lstArguments)
{
    ToolRunS oRun;
    oRun.iExitCode = KestraTest::runSimCtl(lstArguments, &oRun.strOutput);
    return oRun;
}

void forgetStoredSettings()
{
    QFile::remove(VSIM::simulatorSettingsFile());
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { forgetStoredSettings(); }

    // Every row's default is a value of its own range, and an empty file reads as the defaults.
    void defaultsAreValuesOfTheirRange()
    {
        for (const VSIM::SettingS& rSetting : VSIM::settingTable()) {
            QVERIFY2(VSIM::checkSetting(rSetting, rSetting.strDefault).isEmpty(), qPrintable(rSetting.strKey));
            QCOMPARE(VSIM::SettingsC::textValue(rSetting.strKey), rSetting.strDefault);
        }
        QCOMPARE(VSIM::SettingsC::doubleValue("Telescope/V"), 1.5707963267948966);
        QCOMPARE(VSIM::SettingsC::boolValue("Capability/ATR"), true);
        QCOMPARE(VSIM::SettingsC::doubleValue("EDM/CarrierWavelength"), 0.658);
        QVERIFY(!VSIM::SettingsC::value("Sensor/NoSuchThing").isValid());
    }

    void writesAreChecked_data()
    {
        QTest::addColumn<QString>("strKey");
        QTest::addColumn<QString>("strValue");
        QTest::addColumn<int>("iWriter");
        QTest::addColumn<QString>("strStored"); // empty: refused with strError
        QTest::addColumn<QString>("strError");
        const int iUser = VSIM::WRITER_USER;
        const int iInstrument = VSIM::WRITER_INSTRUMENT;
        QTest::newRow("in range") << "Sensor/TiltL" << "-0.001" << iUser << "-0.001" << "";
        QTest::newRow("range ends") << "Sensor/TiltT" << "0.1" << iUser << "0.1" << "";
        QTest::newRow("beyond the range")
            << "Sensor/TiltL" << "0.5" << iUser << "" << "Sensor/TiltL takes -0.1 .. 0.1 rad; 0.5 is refused.";
        QTest::newRow("percent") << "LaserPlummet/Intensity" << "101" << iUser << ""
                                 << "LaserPlummet/Intensity takes 0 .. 100 %; 101 is refused.";
        QTest::newRow("no number") << "Sensor/InternalTemperature" << "warm" << iUser << ""
                                   << "Sensor/InternalTemperature takes a number, not 'warm'.";
        QTest::newRow("not finite") << "Clock/Offset" << "inf" << iUser << ""
                                    << "Clock/Offset takes a number, not 'inf'.";
        QTest::newRow("bool as word") << "Configuration/SDCard" << "false" << iUser << "0" << "";
        QTest::newRow("bool refused") << "Configuration/SDCard" << "yes" << iUser << ""
                                      << "Configuration/SDCard takes 0 or 1, not 'yes'.";
        QTest::newRow("choice") << "Settings/PlatformKind" << "3" << iUser << ""
                                << "Settings/PlatformKind takes one of 0, 1; '3' is refused.";
        QTest::newRow("hexadecimal code") << "Measurement/FailCode" << "0x2000002" << iUser << "33554434" << "";
        QTest::newRow("no octal") << "Measurement/FailCode" << "010" << iUser << "10" << "";
        QTest::newRow("whole number") << "Measurement/FaceChangeDelay" << "1.5" << iUser << ""
                                      << "Measurement/FaceChangeDelay takes a whole number, not '1.5'.";
        QTest::newRow("version") << "Settings/FirmwareVersion" << "2.1.7" << iUser << "2.1.7" << "";
        QTest::newRow("no version") << "Settings/FirmwareVersion" << "three" << iUser << ""
                                    << "Settings/FirmwareVersion takes major.minor.build; 'three' is refused.";
        QTest::newRow("text of two lines") << "Identity/Model" << "Vela\n40" << iUser << ""
                                           << "Identity/Model takes one line of at most 200 characters.";
        QTest::newRow("set by the instrument") << "LaserPlummet/On" << "1" << iUser << ""
                                               << "LaserPlummet/On is set by the instrument itself, not by the user.";
        QTest::newRow("by the instrument") << "LaserPlummet/On" << "1" << iInstrument << "1" << "";
        QTest::newRow("unknown") << "Sensor/Tilt" << "0" << iUser << "" << "There is no simulator setting Sensor/Tilt.";
        QTest::newRow("letter case") << "sensor/tiltl" << "0.002" << iUser << "0.002" << "";
    }

    // A refused write says why and leaves what was stored.
    void writesAreChecked()
    {
        QFETCH(QString, strKey);
        QFETCH(QString, strValue);
        QFETCH(int, iWriter);
        QFETCH(QString, strStored);
        QFETCH(QString, strError);
        const VSIM::SettingS* pSetting = VSIM::findSetting(strKey);
        const QString strBefore = pSetting ? VSIM::SettingsC::textValue(strKey) : QString();
        QString strMessage;
        const bool bWritten = VSIM::SettingsC::setValue(strKey, strValue, VSIM::WriterE(iWriter), &strMessage);
        QCOMPARE(bWritten, strError.isEmpty());
        QCOMPARE(strMessage, strError);
        if (pSetting)
            QCOMPARE(VSIM::SettingsC::textValue(strKey), bWritten ? strStored : strBefore);
    }

    void severalValuesAreWrittenAllOrNone()
    {
        QString strError;
        QVERIFY(!VSIM::SettingsC::setValues({{"Sensor/TiltL", 0.001}, {"Sensor/TiltT", 1.0}}, VSIM::WRITER_USER, &strError));
        QCOMPARE(strError, QStringLiteral("Sensor/TiltT takes -0.1 .. 0.1 rad; 1 is refused."));
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.0);
        QVERIFY(VSIM::SettingsC::setValues({{"Sensor/TiltL", 0.001}, {"Sensor/TiltT", -0.002}}));
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.001);
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltT"), -0.002);
    }

    // Another root (the environment changed) reads and writes its own file, and back again.
    void eachRootHasItsOwnSettings()
    {
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.001));
        const QByteArray baRoot = qgetenv("KESTRA_SIM_ROOT");
        QTemporaryDir oOther;
        qputenv("KESTRA_SIM_ROOT", QFile::encodeName(oOther.path()));
        QVERIFY(VSIM::simulatorSettingsFile().startsWith(oOther.path() + "/"));
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.0);
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", -0.002));
        qputenv("KESTRA_SIM_ROOT", baRoot);
        QVERIFY(!VSIM::simulatorSettingsFile().startsWith(oOther.path() + "/"));
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.001);
    }

    // The files that writes replace are let go (off the writer's thread): none stays open.
    void replacedFilesAreLetGo()
    {
        const auto fnOpenFiles = [] { return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(); };
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.0));
        const int iBefore = fnOpenFiles();
        for (int i = 1; i <= 30; ++i)
            QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", i * 0.001));
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.03);
        QTRY_COMPARE(fnOpenFiles(), iBefore);
    }

    // Texts read back as written, by us and by QSettings, and what else the file holds stays.
    void textsSurviveTheFile_data()
    {
        QTest::addColumn<QString>("strText");
        QTest::newRow("plain") << "740561";
        QTest::newRow("commas and semicolons") << "1,2;3 = 4";
        QTest::newRow("quotes and backslashes") << "say \"a\\b\" 'c'";
        QTest::newRow("edge spaces") << "  x  ";
        QTest::newRow("leading @") << "@Variant(x)";
        QTest::newRow("outside ASCII, hex digit after it") << QString::fromUtf8("\xc3\xbc" "1a \xe2\x82\xac" "F");
        QTest::newRow("empty") << "";
    }
    void textsSurviveTheFile()
    {
        QFETCH(QString, strText);
        {
            QSettings oFile(VSIM::simulatorSettingsFile(), QSettings::IniFormat);
            oFile.setValue("Other/Key", "kept, too");
            oFile.setValue("TopLevel", "also kept");
        }
        QVERIFY(VSIM::SettingsC::setValue("Identity/EquipmentNumber", strText));
        QVERIFY(VSIM::SettingsC::setValue("Identity/Model", "Vela40"));
        QCOMPARE(VSIM::SettingsC::textValue("Identity/EquipmentNumber"), strText);
        QSettings oFile(VSIM::simulatorSettingsFile(), QSettings::IniFormat);
        QCOMPARE(oFile.value("Identity/EquipmentNumber").toString(), strText);
        QCOMPARE(oFile.value("Other/Key").toString(), QStringLiteral("kept, too"));
        QCOMPARE(oFile.value("TopLevel").toString(), QStringLiteral("also kept"));
        QCOMPARE(oFile.status(), QSettings::NoError);
    }

    // A writer cut off right after QSettings made its lock file leaves it empty; the next write
    // goes ahead at once, without waiting until QSettings calls the lock stale (30 s).
    void lockOfADeadWriterHoldsNoWriteUp()
    {
        QFile oLock(VSIM::simulatorSettingsFile() + ".lock");
        QVERIFY(QDir().mkpath(QFileInfo(oLock).absolutePath()));
        QVERIFY(oLock.open(QIODevice::WriteOnly));
        oLock.close();
        auto futStored = std::async(std::launch::async, [] { return VSIM::SettingsC::setValue("Sensor/TiltL", -0.002); });
        QCOMPARE(futStored.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        QVERIFY(futStored.get());
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), -0.002);
        oLock.remove();
    }

    // A value written past the checks (by hand, by the registry) that is no value of its type
    // reads as the default; a text reads as it stands, and its reader judges it.
    void damagedValuesReadAsDefault()
    {
        {
            QSettings oFile(VSIM::simulatorSettingsFile(), QSettings::IniFormat);
            oFile.setValue("Sensor/TiltL", "steep");
            oFile.setValue("Settings/Battery/BatteryInternal1/Capacity", 150);
            oFile.setValue("Settings/FirmwareVersion", "three");
        }
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.0);
        QCOMPARE(VSIM::SettingsC::intValue("Settings/Battery/BatteryInternal1/Capacity"), 150);
        QCOMPARE(VSIM::SettingsC::textValue("Settings/FirmwareVersion"), QStringLiteral("three"));
        QVERIFY(KestraTest::traces("Simulator")
                    .contains("Sensor/TiltL: the stored 'steep' is no value of it; it reads as the default 0."));
    }

    // A value in QSettings' own variant form stores a Qt object: one that announces more than can
    // be had made Qt throw, a picture stopped a program without a GUI. Its settings read as their
    // defaults, a write is refused with the reason, nothing stops, the control tool neither.
    void variantFormStopsNothing_data()
    {
        QTest::addColumn<QByteArray>("baStored");
        QTest::newRow("more than memory holds") << QByteArray("PlatformKind=@Variant(\\0\\0\\0\x92x7f)\n");
        QTest::newRow("a picture") << QByteArray("PlatformKind=@Variant(\\0\\0\\0I\\0\\0\\0\\0)\n");
        QTest::newRow("after a NUL byte") << QByteArray("Platform\0Kind=@Variant(\\0\\0\\0I\\0\\0\\0\\0)\n", 40);
        QTest::newRow("in a list") << QByteArray("PlatformKind=1, @Variant(\\0\\0\\0I\\0\\0\\0\\0)\n");
    }

    void variantFormStopsNothing()
    {
        QFETCH(QByteArray, baStored);
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.001));
        QFile oFile(VSIM::simulatorSettingsFile());
        QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        oFile.write("[Sensor]\nTiltL=0.001\n[Settings]\n" + baStored);
        oFile.close();
        QCOMPARE(VSIM::SettingsC::intValue("Settings/PlatformKind"), 0);
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.0);
        QString strError;
        QVERIFY(!VSIM::SettingsC::setValue("Sensor/TiltL", -0.002, VSIM::WRITER_USER, &strError));
        QVERIFY2(strError.endsWith(QStringLiteral(": it is damaged.")), qPrintable(strError));
        QVERIFY(KestraTest::traces("Simulator").join('\n').contains("holds a damaged value that cannot be read"));
        QString strOutput;
        QCOMPARE(KestraTest::runSimCtl({"list"}, &strOutput), 0);
        QVERIFY2(strOutput.contains("Settings/PlatformKind"), qPrintable(strOutput));
    }

    // The same damage in another registry key, read by the start-up or the Bluetooth screen:
    // the key starts afresh, the damaged file is kept beside it, nothing stops. When it cannot be
    // moved aside, the key reads as empty and a write fails.
    void variantFormInARegistryKeyStopsNothing_data()
    {
        variantFormStopsNothing_data();
        QTest::newRow("cannot be moved aside") << QByteArray("Mode=@Variant(\\0\\0\\0\x92x7f)\n");
    }

    void variantFormInARegistryKeyStopsNothing()
    {
        QFETCH(QByteArray, baStored);
        const bool bMovable = QTest::currentDataTag() != QByteArray("cannot be moved aside");
        const QString strKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestra\\Startup");
        const QString strFile = BSS::REG::iniFileFor(strKey);
        const QString strAside = strFile + ".damaged";
        QDir(strAside).removeRecursively();
        QFile::remove(strAside);
        // A folder in the way, with something in it, keeps the file where it is.
        if (!bMovable)
            QVERIFY(QDir().mkpath(strAside + "/in the way"));
        const QByteArray baContent = "[General]\nApplicationMode=1\n" + baStored;
        {
            QDir().mkpath(QFileInfo(strFile).absolutePath());
            QFile oFile(strFile);
            QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
            oFile.write(baContent);
        }
        auto upSettings = BSS::REG::openNativeSettings(strKey);
        QVERIFY(!upSettings->value("ApplicationMode").isValid());
        QVERIFY(upSettings->allKeys().isEmpty());
        upSettings->setValue("ApplicationMode", 2);
        upSettings->sync();
        const QString strTraces = KestraTest::traces("Registry").join('\n');
        if (bMovable) {
            QCOMPARE(upSettings->status(), QSettings::NoError);
            QCOMPARE(BSS::REG::openNativeSettings(strKey)->value("ApplicationMode").toInt(), 2);
            QFile oAside(strAside);
            QVERIFY(oAside.open(QIODevice::ReadOnly));
            QCOMPARE(oAside.readAll(), baContent);
            QVERIFY2(strTraces.contains("kept as " + strAside), qPrintable(strTraces));
        } else {
            QVERIFY(upSettings->status() != QSettings::NoError);
            QFile oFile(strFile);
            QVERIFY(oFile.open(QIODevice::ReadOnly));
            QCOMPARE(oFile.readAll(), baContent);
            QVERIFY2(strTraces.contains("cannot be moved aside"), qPrintable(strTraces));
        }
        QDir(strAside).removeRecursively();
        QFile::remove(strAside);
        QFile::remove(strFile);
    }

    // What was read is kept for as long as the file stays the same: a change by another writer,
    // in place and at once, reads at the next read. (Two of the same size within one millisecond
    // would not: QSettings, which parses the file, tells versions by size and time in ms.)
    void changeInPlaceReadsAtOnce()
    {
        for (int i = 0; i < 20; ++i) {
            const QByteArray baValue = i % 2 ? "0.001" : "0.0025";
            QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.005));
            QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), 0.005);
            QFile oFile(VSIM::simulatorSettingsFile());
            QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
            oFile.write("[Sensor]\nTiltL=\"" + baValue + "\"\n");
            oFile.close();
            QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), baValue.toDouble());
        }
    }

    // A text that begins like the variant form is stored as a text and reads back as one.
    void textLikeTheVariantFormIsAText()
    {
        QVERIFY(VSIM::SettingsC::setValue("Identity/Model", "@Variant(x)"));
        QCOMPARE(VSIM::SettingsC::textValue("Identity/Model"), QStringLiteral("@Variant(x)"));
    }

    // The rows run in order on one root: what one writes, the next reads.
    void controlToolChecksAndReports()
    {
        const struct
        {
            QStringList lstArguments;
            int iExitCode;
            QString strOutput;
        } aoRuns[] = {
            {{"set", "Telescope/Hz", "3.5"}, 0, ""},
            {{"get", "Telescope/Hz"}, 0, "3.5\n"},
            {{"get", "Sensor/TiltNoise"}, 0, "2e-06\n"},
            {{"set", "Telescope/Hz", "7"}, 1, "Telescope/Hz takes 0 .. 6.283185307179586 rad; 7 is refused.\n"},
            {{"get", "Telescope/Hz"}, 0, "3.5\n"},
            {{"get", "Telescope/Az"}, 1, "There is no simulator setting Telescope/Az.\n"},
            {{"set", "Events/DeviceAttached", "63"}, 1,
             "Events/DeviceAttached is set by the instrument itself, not by the user.\n"},
            {{"attach-device", "63"}, 0, ""},
            {{"attach-device", "71"}, 0, ""},
            {{"get", "Events/DeviceAttached"}, 0, "63,71\n"},
            {{"attach-device", "300"}, 1, "A device type is a number from 0 to 255, not '300'.\n"},
            {{"aim", "0gon", "100gon"}, 0, ""},
            {{"aim"}, 0, "Hz = 0.0000 gon (0 rad)   V = 100.0000 gon (1.57079633 rad)\n"},
            // Hz within one turn; V as given, in another unit.
            {{"aim", "-100gon", "50deg"}, 0, ""},
            {{"aim"}, 0, "Hz = 300.0000 gon (4.71238898 rad)   V = 55.5556 gon (0.872664626 rad)\n"},
            // A refused angle changes neither.
            {{"aim", "10", "100gon"}, 1,
             "'10' is no angle: give a number with its unit, one of rad, mrad, gon, mgon, deg (for example 0.05gon).\n"},
            {{"aim", "0gon", "500gon"}, 1, "Telescope/V takes 0 .. 6.283185307179586 rad; 7.853981633974484 is refused.\n"},
            {{"aim"}, 0, "Hz = 300.0000 gon (4.71238898 rad)   V = 55.5556 gon (0.872664626 rad)\n"},
        };
        for (const auto& rRun : aoRuns) {
            const ToolRunS oRun = runSimCtl(rRun.lstArguments);
            QCOMPARE(oRun.strOutput, rRun.strOutput);
            QCOMPARE(oRun.iExitCode, rRun.iExitCode);
        }
        // The help's degree sign comes out as one.
        QVERIFY(runSimCtl({"--help"}).strOutput.contains(QString::fromUtf8("(°C or mbar)")));
    }

    // Attachments queued by several processes at once are all kept.
    void attachmentsFromSeveralProcessesAreAllQueued()
    {
        std::vector<std::unique_ptr<KestraTest::ProgramC>> vecTools;
        for (int iType = 1; iType <= 6; ++iType) {
            vecTools.push_back(std::make_unique<KestraTest::ProgramC>(KestraTest::simRoot(),
                                                                      KestraTest::binDir() + "/KestraSimCtl"));
            QVERIFY(vecTools.back()->start({"attach-device", QString::number(iType)}));
        }
        for (const auto& upTool : vecTools) {
            QVERIFY(upTool->waitForFinished());
            QCOMPARE(upTool->exitCode(), 0);
        }
        QStringList lstQueued = VSIM::SettingsC::textValue("Events/DeviceAttached").split(',');
        lstQueued.sort();
        QCOMPARE(lstQueued, QStringList({"1", "2", "3", "4", "5", "6"}));
    }

    void listShowsTheTableWithCurrentValues()
    {
        QVERIFY(VSIM::SettingsC::setValue("Sensor/InternalTemperature", 31.5));
        const ToolRunS oRun = runSimCtl({"list"});
        QCOMPARE(oRun.iExitCode, 0);
        QCOMPARE(oRun.strOutput.count('\n'), VSIM::settingTable().size() + 1);
        QVERIFY(QRegularExpression(QStringLiteral("^KEY +UNIT +DEFAULT +RANGE +VALUE\n")).match(oRun.strOutput).hasMatch());
        QVERIFY(oRun.strOutput.contains(
            QRegularExpression(QStringLiteral("\nSensor/InternalTemperature +°C +20 +-40 \\.\\. 85 +31\\.5\n"))));
    }

    // The README lists every setting: the table there is the one the tool prints.
    void readmeListsEverySetting()
    {
        QFile oReadme(QStringLiteral(KESTRA_SOURCE_DIR "/README.md"));
        QVERIFY(oReadme.open(QIODevice::ReadOnly));
        const QString strReadme = QString::fromUtf8(oReadme.readAll());
        const QString strBegin = QStringLiteral("<!-- simulator settings: KestraSimCtl list --markdown -->\n");
        const QString strEnd = QStringLiteral("<!-- end of simulator settings -->");
        const int iBegin = strReadme.indexOf(strBegin);
        const int iEnd = strReadme.indexOf(strEnd);
        QVERIFY(iBegin >= 0 && iEnd > iBegin);
        const ToolRunS oRun = runSimCtl({"list", "--markdown"});
        QCOMPARE(oRun.iExitCode, 0);
        QVERIFY2(strReadme.mid(iBegin + strBegin.size(), iEnd - iBegin - strBegin.size()) == oRun.strOutput,
                 "README.md: put the output of 'KestraSimCtl list --markdown' between the markers");
    }
};

KESTRA_TEST_MAIN(SettingsTest)
#include "tst_VSIM_Settings.moc"
