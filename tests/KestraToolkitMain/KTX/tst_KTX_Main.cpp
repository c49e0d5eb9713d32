// Command line, platform preparation and the default directory trees.
#include "KestraTest.h"

#include "KTX/CDT_FIL_TesselDefaultDirectory.h"
#include "KTX/KTX_Main.h"
#include "KTX/KTX_SystemInitializer.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Marrowlib/CCF_ConfigRecordFile.h"
#include "Quillbase/CMN_System.h"

#include <QDirIterator>
#include <QScopeGuard>

#include <vector>

#include <boost/filesystem.hpp>

namespace {

QStringList treeBelow(const QString& strRoot)
{
    QStringList lstDirs;
    QDirIterator oIterator(strRoot, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (oIterator.hasNext())
        lstDirs << QDir(strRoot).relativeFilePath(oIterator.next());
    lstDirs.sort();
    return lstDirs;
}

std::unique_ptr<QSettings> simulatorSettings()
{
    return BSS::REG::openNativeSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Kestra\\Vela40 Simulator"));
}

} // namespace

class MainTest : public QObject
{
    Q_OBJECT

private slots:
    void singletonReports()
    {
        KestraTest::clearReports();
        {
            KTX::MainC oMain;
            QCOMPARE(KTX::MainC::instance(), &oMain);
            KTX::MainC oSecond;
            QCOMPARE(KTX::MainC::instance(), &oMain);
            QCOMPARE(KestraTest::assertTexts(), QStringList{"0 == s_pInstance"});
        }
        KestraTest::clearReports();
        QCOMPARE(KTX::MainC::instance(), nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"0 != s_pInstance"});
        KestraTest::clearReports();
    }

    void init() { KestraTest::clearReports(); }

    void parseCommandLine_data()
    {
        QTest::addColumn<QStringList>("lstArguments");
        QTest::addColumn<QString>("strStoredMode");
        QTest::addColumn<int>("iExpectedMode");
        QTest::addColumn<bool>("bExpectedLoader");
        QTest::addColumn<QString>("strExpectedTrace");
        QTest::newRow("no arguments") << QStringList() << QString() << 3 << false
                                      << "Starting firmware (application mode: 3)";
        QTest::newRow("autostart, nothing stored") << QStringList{"/AUTOSTART"} << QString() << 2 << false
                                                   << "Starting firmware (application mode: 2)";
        QTest::newRow("autostart, stored 3") << QStringList{"/AUTOSTART"} << "3" << 3 << false
                                             << "Starting firmware (application mode: 3)";
        QTest::newRow("autostart in other case") << QStringList{"/autostart"} << QString() << 3 << false
                                                 << "Starting firmware (application mode: 3)";
        QTest::newRow("loader") << QStringList{"/START_FW_LOADER"} << QString() << 3 << true
                                << "Starting firmware (loader mode)";
        QTest::newRow("loader in other case") << QStringList{"/start_fw_loader"} << QString() << 3 << false
                                              << "Starting firmware (application mode: 3)";
        QTest::newRow("loader and autostart") << QStringList{"/START_FW_LOADER", "/AUTOSTART"} << QString() << 2
                                              << true << "Starting firmware (loader mode)";
        QTest::newRow("part of an argument") << QStringList{"x/AUTOSTART", "/AUTOSTARTX"} << QString() << 3 << false
                                             << "Starting firmware (application mode: 3)";
    }

    void parseCommandLine()
    {
        QFETCH(QStringList, lstArguments);
        QFETCH(QString, strStoredMode);
        QFETCH(int, iExpectedMode);
        QFETCH(bool, bExpectedLoader);
        QFETCH(QString, strExpectedTrace);
        auto upStartup = BSS::REG::openNativeSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestra\\Startup"));
        if (strStoredMode.isEmpty())
            upStartup->remove(QStringLiteral("ApplicationMode"));
        else
            upStartup->setValue(QStringLiteral("ApplicationMode"), strStoredMode);
        upStartup->sync();
        CMN::setLoaderMode(false);

        QByteArrayList lstStorage{"KestraToolkit"};
        for (const QString& strArgument : lstArguments)
            lstStorage << strArgument.toLocal8Bit();
        std::vector<char*> vecArgv;
        for (QByteArray& rArgument : lstStorage)
            vecArgv.push_back(rArgument.data());
        KTX::MainC oMain;
        oMain.parseCommandLine(int(vecArgv.size()), vecArgv.data());

        int iMode = 0;
        QVERIFY(CFA::StartupConfigurationC::instance().getApplicationMode(iMode));
        QCOMPARE(iMode, iExpectedMode);
        QCOMPARE(CMN::isLoaderMode(), bExpectedLoader);
        QCOMPARE(KestraTest::traces("KestraToolkit"), QStringList{strExpectedTrace});
        CMN::setLoaderMode(false);
    }

    void splitCommandLine_data()
    {
        QTest::addColumn<QString>("strCommandLine");
        QTest::addColumn<QStringList>("lstExpected");
        QTest::newRow("plain") << "prog /AUTOSTART" << QStringList{"prog", "/AUTOSTART"};
        QTest::newRow("quoted program") << "\"C:\\Program Files\\prog.exe\" a" << QStringList{"C:\\Program Files\\prog.exe", "a"};
        QTest::newRow("blanks") << "prog   a\t b " << QStringList{"prog", "a", "b"};
        QTest::newRow("quoted argument") << "prog \"a b\" c" << QStringList{"prog", "a b", "c"};
        QTest::newRow("escaped quote") << "prog a\\\"b" << QStringList{"prog", "a\"b"};
        QTest::newRow("backslashes before quote") << "prog \"a\\\\\" b" << QStringList{"prog", "a\\", "b"};
        QTest::newRow("plain backslashes") << "prog a\\\\b" << QStringList{"prog", "a\\\\b"};
        QTest::newRow("empty quoted") << "prog \"\" x" << QStringList{"prog", "", "x"};
    }

    void splitCommandLine()
    {
        QFETCH(QString, strCommandLine);
        QFETCH(QStringList, lstExpected);
        QStringList lstActual;
        for (const QByteArray& baArgument : KTX::MainC::splitCommandLine(strCommandLine))
            lstActual << QString::fromLocal8Bit(baArgument);
        QCOMPARE(lstActual, lstExpected);
    }

    void simulatorDefaultsNeverOverwriteUserSettings()
    {
        {
            auto upSettings = simulatorSettings();
            upSettings->clear();
            upSettings->setValue(QStringLiteral("Settings/Battery/BatteryInternal1/Capacity"), 15);
            upSettings->setValue(QStringLiteral("Configuration/SDCard"), 0);
        }
        KTX::SystemInitializerC oInitializer;
        auto upSettings = simulatorSettings();
        QCOMPARE(upSettings->value(QStringLiteral("Configuration/SDCard")).toInt(), 0);
        QCOMPARE(upSettings->value(QStringLiteral("Settings/SimTPS")).toInt(), 1);
        QCOMPARE(upSettings->value(QStringLiteral("Settings/Battery/BatteryInternal1/State")).toInt(), 1);
        QCOMPARE(upSettings->value(QStringLiteral("Settings/Battery/BatteryInternal1/Capacity")).toInt(), 15);
        QCOMPARE(BSS::SIM::registryRoot(), QStringLiteral("Software\\Kestra\\Vela40 Simulator"));
        QCOMPARE(BSS::SIM::fileSystemRoot(), KestraTest::simDataDir());
        QCOMPARE(QString::fromStdString(BSS::HAL::pathMap()->getMakerRootPath()), KestraTest::simDataDir() + "/Kestra/");
    }

    // Outside Latin-1 the folder must not turn into "x.??", a sibling of the root.
    void simulatorFolderOutsideLatin1StaysBelowTheRoot()
    {
        const QByteArray baRoot = qgetenv("KESTRA_SIM_ROOT");
        const auto oRestore = qScopeGuard([&] {
            qputenv("KESTRA_SIM_ROOT", baRoot);
            KTX::SystemInitializerC oInitializer;
        });
        const QString strRoot = KestraTest::simRoot() + QStringLiteral("/x.日本");
        qputenv("KESTRA_SIM_ROOT", QFile::encodeName(strRoot));
        { KTX::SystemInitializerC oInitializer; }

        const QString strDataDir = strRoot + "/Documents/KestraToolkit/Vela40";
        QCOMPARE(BSS::SIM::fileSystemRoot(), strDataDir);
        QStringList lstPaths{CCF::ConfigRecordFileC::recordDir(),
                             QFile::decodeName(BSS::HAL::getLanguageDirectory(-1).c_str()),
                             QFile::decodeName(BSS::HAL::getSystemDirectory().c_str())};
        for (int iDevice = 0; iDevice < BSS::HAL::DEVICE_COUNT; ++iDevice)
            lstPaths << QFile::decodeName(BSS::HAL::getDeviceRootPath(iDevice).c_str());
        for (const QString& strPath : lstPaths)
            QVERIFY2(strPath.startsWith(strDataDir + "/"), qPrintable(strPath));
        QVERIFY(CCF::ConfigRecordFileC("CONF", 2, 1).write(1, "units"));
        QVERIFY(QFile::exists(strDataDir + "/Records/CONF_2_1.rec"));
        QCOMPARE(QDir(KestraTest::simRoot()).entryList({"x.*"}, QDir::Dirs), QStringList(QStringLiteral("x.日本")));
    }

    void platformPluginCopyIsNeverOverwritten()
    {
        const QString strAppDir = QCoreApplication::applicationDirPath();
        const QString strPlugin = QString::fromLatin1(BSS::HAL::getQtPlatformPluginFileName());
        QFile::remove(strAppDir + "/platforms/" + strPlugin);
        QFile::remove(strAppDir + "/" + strPlugin);

        // No source: both steps are reported, start-up goes on.
        { KTX::SystemInitializerC oInitializer; }
        QCOMPARE(KestraTest::assertTexts(),
                 QStringList{"QFile(strPlatformsDllSource).copy(strPlatformsDllTarget)"});

        KestraTest::clearReports();
        writeFile(strAppDir + "/" + strPlugin, "first");
        { KTX::SystemInitializerC oInitializer; }
        QCOMPARE(readFile(strAppDir + "/platforms/" + strPlugin), QByteArray("first"));

        writeFile(strAppDir + "/" + strPlugin, "second");
        { KTX::SystemInitializerC oInitializer; }
        QCOMPARE(readFile(strAppDir + "/platforms/" + strPlugin), QByteArray("first"));
        QVERIFY(KestraTest::assertTexts().isEmpty());
        QFile::remove(strAppDir + "/platforms/" + strPlugin);
        QFile::remove(strAppDir + "/" + strPlugin);
    }

    void defaultDirectories_data()
    {
        QTest::addColumn<int>("iDevice");
        QTest::addColumn<bool>("bSdCardInserted");
        QTest::addColumn<QStringList>("lstExpected");
        QTest::newRow("0") << 0 << true << QStringList{"Internal", "Internal/Data", "Internal/Data/Dialect", "Internal/Data/Dialect/Images", "Internal/Data/Dialect/Images/ATR", "Internal/Gps", "Internal/System"};
        QTest::newRow("1 inserted") << 1 << true << QStringList{"SDCard", "SDCard/Gps", "SDCard/System"};
        QTest::newRow("1 missing") << 1 << false << QStringList();
        QTest::newRow("2") << 2 << true << QStringList{"Flash", "Flash/Gps", "Flash/System", "Flash/System/Temp", "System"};
        QTest::newRow("3") << 3 << true << QStringList();
        QTest::newRow("4 absent") << 4 << true << QStringList();
        QTest::newRow("5 absent") << 5 << true << QStringList();
        QTest::newRow("6") << 6 << true << QStringList{"Receiver", "Receiver/Gps"};
        QTest::newRow("7 absent") << 7 << true << QStringList();
        QTest::newRow("8") << 8 << true << QStringList();
        QTest::newRow("-1") << -1 << true << QStringList();
    }

    void defaultDirectories()
    {
        QFETCH(int, iDevice);
        QFETCH(bool, bSdCardInserted);
        QFETCH(QStringList, lstExpected);
        const QString strRoot = KestraTest::simDataDir();
        QDir(strRoot).removeRecursively();
        simulatorSettings()->setValue(QStringLiteral("Configuration/SDCard"), bSdCardInserted ? 1 : 0);
        CDT::FIL::TesselDefaultDirectoryC().createDefaultDirectories(iDevice);
        QStringList lstTree = treeBelow(strRoot);
        lstTree.removeAll(QStringLiteral("Logs"));
        QCOMPARE(lstTree, lstExpected);
    }

    void presentDeviceGetsItsTree()
    {
        const QString strUsb = KestraTest::simDataDir() + "/USB";
        QDir(KestraTest::simDataDir()).removeRecursively();
        QVERIFY(QDir().mkpath(strUsb));
        CDT::FIL::TesselDefaultDirectoryC().createDefaultDirectories(4);
        QCOMPARE(treeBelow(strUsb), QStringList({"Gps", "System"}));
    }

    void unavailablePlatformStateCreatesNothing()
    {
        QDir(KestraTest::simDataDir()).removeRecursively();
        simulatorSettings()->setValue(QStringLiteral("Settings/PlatformState"), 0xFFFF);
        CDT::FIL::TesselDefaultDirectoryC().createDefaultDirectories(0);
        simulatorSettings()->remove(QStringLiteral("Settings/PlatformState"));
        QVERIFY(!QFileInfo::exists(KestraTest::simDataDir() + "/Internal"));
    }

    void fileSystemErrorsEscapeAndThePlatformSurvivesThem()
    {
        QDir(KestraTest::simDataDir()).removeRecursively();
        QVERIFY(QDir().mkpath(KestraTest::simDataDir()));
        writeFile(KestraTest::simDataDir() + "/Receiver", "a file where a folder belongs");
        QVERIFY_EXCEPTION_THROWN(CDT::FIL::TesselDefaultDirectoryC().createDefaultDirectories(6),
                                 boost::filesystem::filesystem_error);
        CMN::setDefaultDirectoryProvider(new CDT::FIL::TesselDefaultDirectoryC);
        QVERIFY(!CMN::createDefaultDirectories(6));
        QVERIFY(CMN::createDefaultDirectories(0));
        CMN::setDefaultDirectoryProvider(nullptr);
    }

private:
    static void writeFile(const QString& strPath, const QByteArray& baContent)
    {
        QFile oFile(strPath);
        QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        oFile.write(baContent);
    }

    static QByteArray readFile(const QString& strPath)
    {
        QFile oFile(strPath);
        return oFile.open(QIODevice::ReadOnly) ? oFile.readAll() : QByteArray();
    }
};

KESTRA_TEST_MAIN(MainTest)
#include "tst_KTX_Main.moc"
