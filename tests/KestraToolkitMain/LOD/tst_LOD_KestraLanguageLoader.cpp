// Language uploads from the upload file on the SD card to the installed translation.
#include "KestraProcess.h"
#include "KestraTest.h"

#include "KTX/LNG/KTX_LNG_LanguageManager.h"
#include "LOD/LOD_KestraLanguageLoader.h"
#include "LOD/LOD_KestraLoaderFactory.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Marrowlib/CCF_UpdatePath.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Update.h"
#include "Quillbase/LOD_LGE_LoaderRegistry.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <memory>
#include <thread>

namespace {

const int TOKEN_MAIN_MENU = 178;

QString languageDir()
{
    return QFile::decodeName(BSS::HAL::getLanguageDirectory(-1).c_str());
}

QByteArray germanQm()
{
    QFile oFile(KestraTest::binDir() + "/KestraToolkit_de_DE.qm");
    return oFile.open(QIODevice::ReadOnly) ? oFile.readAll() : QByteArray();
}

void putFile(const QString& strPath, const QByteArray& baContent)
{
    QFile oFile(strPath);
    QVERIFY(oFile.open(QIODevice::WriteOnly));
    oFile.write(baContent);
}

QStringList filesIn(const QString& strDir)
{
    return QDir(strDir).entryList(QDir::Files, QDir::Name);
}

void setFirmwareVersion(const QString& strVersion)
{
    auto upSettings = BSS::REG::openNativeSettings(BSS::SIM::simulatorSettingsPath());
    if (strVersion.isEmpty())
        upSettings->remove("Settings/FirmwareVersion");
    else
        upSettings->setValue("Settings/FirmwareVersion", strVersion);
}

// As the upload application does it: from a worker thread, while the GUI thread runs its loop.
int upload(const QString& strPath)
{
    CCF::setUpdateFilePath(QFile::encodeName(strPath).constData());
    std::atomic<int> iResult(-1);
    std::thread oWorker([&] { iResult = CMN::startUpdate(); });
    const bool bEnded = KestraTest::waitFor([&] { return iResult != -1; }, 20000);
    oWorker.join();
    return bEnded ? int(iResult) : -2;
}

LOD::LGE::LoaderRegistryC* loaderRegistry()
{
    auto* pAccessor = dynamic_cast<CMN::FirmwareAccessorC*>(
        BSS::TSK::ComponentRegistryC::lookup(CMN::FirmwareAccessorC::CLASS_NAME));
    return pAccessor ? pAccessor->getLoaderRegistry() : nullptr;
}

} // namespace

class KestraLanguageLoaderTest : public QObject
{
    Q_OBJECT

    LOD::KestraLoaderFactoryC m_oFactory;
    std::unique_ptr<KTX::LNG::LanguageManagerC> m_upManager;

private slots:
    void initTestCase()
    {
        QVERIFY(m_oFactory.registerWith(loaderRegistry()));
    }

    void cleanupTestCase()
    {
        QVERIFY(m_oFactory.unregisterFrom(loaderRegistry()));
    }

    void init()
    {
        setFirmwareVersion(QString());
        QDir(languageDir()).removeRecursively();
        QDir().mkpath(languageDir());
        m_upManager = std::make_unique<KTX::LNG::LanguageManagerC>(languageDir());
        m_upManager->initComponent(0);
        KestraTest::clearReports();
    }

    void cleanup() { m_upManager.reset(); }

    void packageFromTheToolIsInstalled()
    {
        KestraTest::ProgramC oTool(KestraTest::simRoot(), KestraTest::binDir() + "/KestraLangPack");
        QVERIFY(oTool.start({"--sdcard", KestraTest::binDir() + "/KestraToolkit_de_DE.qm"}));
        QVERIFY(oTool.waitForFinished());
        QVERIFY2(oTool.exitCode() == 0, qPrintable(oTool.output()));
        const QString strPackage =
            QFile::decodeName(BSS::HAL::getSdCardRootPath().c_str()) + "KestraToolkit_de_DE.slg";
        CMN::FileHeaderS oHeader;
        QCOMPARE(CMN::readFileHeader(QFile::encodeName(strPackage).constData(), oHeader), int(CMN::RC_HEADER_OK));
        QCOMPARE(oHeader.iFileType, int(CMN::FILE_TYPE_LANGUAGE));
        QCOMPARE(oHeader.strDescription, QStringLiteral("Deutsch"));

        putFile(languageDir() + "KestraToolkit_fr_FR.qm", "French");
        putFile(languageDir() + "notes.txt", "notes");
        putFile(languageDir() + "KESTRATOOLKIT_DE_DE.QM", "same name");
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("MAIN MENU"));

        QCOMPARE(upload(strPackage), int(CMN::RC_UPDATE_OK));
        QCOMPARE(filesIn(languageDir()), QStringList({"KESTRATOOLKIT_DE_DE.QM", "KestraToolkit_de_DE.qm"}));
        QFile oInstalled(languageDir() + "KestraToolkit_de_DE.qm");
        QVERIFY(oInstalled.open(QIODevice::ReadOnly));
        QCOMPARE(oInstalled.readAll(), germanQm());
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
        QCOMPARE(KestraTest::traces("loader"),
                 QStringList({"KestraLanguageLoaderC::startLoader",
                              "KestraLanguageLoaderC::startLoader creating " + languageDir() + "KestraToolkit_de_DE.qm"}));
        QCOMPARE(KestraTest::assertTexts(), QStringList());

        // The same language again replaces the installed file in place.
        QCOMPARE(upload(strPackage), int(CMN::RC_UPDATE_OK));
        QCOMPARE(filesIn(languageDir()), QStringList({"KESTRATOOLKIT_DE_DE.QM", "KestraToolkit_de_DE.qm"}));
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
    }

    void refusedUploadsWriteNothing_data()
    {
        QTest::addColumn<QString>("strFirmware");
        QTest::addColumn<QString>("strVersion");
        QTest::addColumn<QString>("strObjectFileName");
        QTest::addColumn<int>("iResult");
        QTest::addColumn<QString>("strTrace");
        const QString strConflict =
            QStringLiteral("KestraLanguageLoaderC::checkVersion: version conflict (firmware: %1, language file: %2)");
        const QString strRefused = QStringLiteral("KestraLanguageLoaderC::startLoader: refusing object file name '%1'");
        const int iConflict = CMN::RC_UPDATE_VERSION_CONFLICT;
        const int iFailed = CMN::RC_UPDATE_LOAD_FAILED;
        QTest::newRow("major") << "" << "2.0.0" << "KestraToolkit_de_DE.qm" << iConflict << strConflict.arg("1.0", "2.0");
        QTest::newRow("minor") << "3.4.1" << "3.5.1" << "KestraToolkit_de_DE.qm" << iConflict << strConflict.arg("3.4", "3.5");
        QTest::newRow("unreadable firmware version")
            << "three" << "1.0.0" << "KestraToolkit_de_DE.qm" << iFailed
            << "WARNING KestraLanguageLoaderC::checkVersion: get fw version failed";
        for (const char* szName : {"../KestraToolkit_de_DE.qm", "..", "Sub/KestraToolkit_de_DE.qm",
                                   "..\\KestraToolkit_de_DE.qm", "KestraToolkit_de_DE.qm.sh", ""})
            QTest::newRow(*szName ? szName : "empty") << "" << "1.0.7" << szName << iFailed << strRefused.arg(szName);
    }

    void refusedUploadsWriteNothing()
    {
        QFETCH(QString, strFirmware);
        QFETCH(QString, strVersion);
        QFETCH(QString, strObjectFileName);
        QFETCH(int, iResult);
        QFETCH(QString, strTrace);
        setFirmwareVersion(strFirmware);
        CMN::FileHeaderS oHeader;
        oHeader.iFileType = CMN::FILE_TYPE_LANGUAGE;
        oHeader.iObjectType = LOD::KestraLoaderFactoryC::OBJECT_TYPE_LANGUAGE;
        QVERIFY(oHeader.oVersion.fromText(strVersion));
        oHeader.strObjectFileName = strObjectFileName;
        const QString strPackage = KestraTest::simRoot() + "/refused.slg";
        QVERIFY(CMN::writePackageFile(strPackage, oHeader, germanQm()));
        putFile(languageDir() + "KestraToolkit_fr_FR.qm", "French");
        const QString strSystemDir = QDir(languageDir() + "..").absolutePath();
        const QStringList lstSystemFiles = filesIn(strSystemDir);

        QCOMPARE(upload(strPackage), iResult);
        QCOMPARE(KestraTest::traces("loader"), QStringList({"KestraLanguageLoaderC::startLoader", strTrace}));
        QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_fr_FR.qm"));
        QCOMPARE(QDir(languageDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(filesIn(strSystemDir), lstSystemFiles);
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("MAIN MENU"));
    }

    void factoryServesLanguageObjectsOnly()
    {
        // The upload file's type (391) is not the object's.
        QVERIFY(!m_oFactory.createLoader(CMN::FILE_TYPE_LANGUAGE));
        LOD::LGE::LoaderC* pLoader = m_oFactory.createLoader(LOD::KestraLoaderFactoryC::OBJECT_TYPE_LANGUAGE);
        QVERIFY(dynamic_cast<LOD::KestraLanguageLoaderC*>(pLoader));
        m_oFactory.destroyLoader(pLoader);

        QVERIFY(!m_oFactory.registerWith(nullptr));
        QVERIFY(!m_oFactory.unregisterFrom(nullptr));
        QList<int> lstLines;
        for (const BSS::TEST::AssertReportS& rReport : BSS::TEST::assertReports()) {
            QCOMPARE(rReport.strCondition, QStringLiteral("pLoaderRegistry"));
            QCOMPARE(rReport.strSource, QStringLiteral("LOD_KestraLoaderFactory"));
            lstLines << rReport.iLine;
        }
        QCOMPARE(lstLines, QList<int>({101, 114}));
    }

    void loaderStartedWithoutObjectIsReported()
    {
        LOD::KestraLanguageLoaderC oLoader;
        QVERIFY(!oLoader.startLoader());
        QCOMPARE(BSS::TEST::assertReports().size(), 1);
        QCOMPARE(BSS::TEST::assertReports().first().strCondition, QStringLiteral("false"));
        QCOMPARE(BSS::TEST::assertReports().first().iLine, 61);
        QCOMPARE(filesIn(languageDir()), QStringList());
    }
};

KESTRA_TEST_MAIN(KestraLanguageLoaderTest)
#include "tst_LOD_KestraLanguageLoader.moc"
