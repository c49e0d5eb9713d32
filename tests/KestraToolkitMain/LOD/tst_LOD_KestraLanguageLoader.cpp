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

// An upload file for the simulated firmware's version.
QString makePackage(const QString& strObjectFileName, const QByteArray& baPayload,
                    int iFileType = CMN::FILE_TYPE_LANGUAGE)
{
    CMN::FileHeaderS oHeader;
    oHeader.iFileType = iFileType;
    oHeader.iObjectType = LOD::KestraLoaderFactoryC::OBJECT_TYPE_LANGUAGE;
    oHeader.oVersion.set(1, 0, 7);
    oHeader.strObjectFileName = strObjectFileName;
    const QString strPackage = KestraTest::simRoot() + "/upload.slg";
    return CMN::writePackageFile(strPackage, oHeader, baPayload) ? strPackage : QString();
}

QByteArray fileContent(const QString& strPath)
{
    QFile oFile(strPath);
    return oFile.open(QIODevice::ReadOnly) ? oFile.readAll() : QByteArray();
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
        QTest::addColumn<int>("iFileType");
        QTest::addColumn<int>("iResult");
        QTest::addColumn<QString>("strTrace");
        const QString strConflict =
            QStringLiteral("KestraLanguageLoaderC::checkVersion: version conflict (firmware: %1, language file: %2)");
        const QString strRefused = QStringLiteral("KestraLanguageLoaderC::startLoader: refusing object file name '%1'");
        const int iConflict = CMN::RC_UPDATE_VERSION_CONFLICT;
        const int iFailed = CMN::RC_UPDATE_LOAD_FAILED;
        const int iLanguage = CMN::FILE_TYPE_LANGUAGE;
        QTest::newRow("major") << "" << "2.0.0" << "KestraToolkit_de_DE.qm" << iLanguage << iConflict
                               << strConflict.arg("1.0", "2.0");
        QTest::newRow("minor") << "3.4.1" << "3.5.1" << "KestraToolkit_de_DE.qm" << iLanguage << iConflict
                               << strConflict.arg("3.4", "3.5");
        QTest::newRow("unreadable firmware version")
            << "three" << "1.0.0" << "KestraToolkit_de_DE.qm" << iLanguage << iFailed
            << "WARNING KestraLanguageLoaderC::checkVersion: get fw version failed";
        for (const char* szName : {"../KestraToolkit_de_DE.qm", "..", "Sub/KestraToolkit_de_DE.qm",
                                   "..\\KestraToolkit_de_DE.qm", "KestraToolkit_de_DE.qm.sh", "", "evil.qm",
                                   "KestraToolkit_de_DEX.qm", "KestraToolkit_d._DE.qm", "kestratoolkit_de_DE.qm",
                                   "KestraToolkit_de_DE.QM"})
            QTest::newRow(*szName ? szName : "empty")
                << "" << "1.0.7" << szName << iLanguage << iFailed << strRefused.arg(szName);
        // Traced without the line break, which would start a line of its own.
        QTest::newRow("line break") << "" << "1.0.7" << "KestraToolkit_d\n_DE.qm" << iLanguage << iFailed
                                    << strRefused.arg("KestraToolkit_d?_DE.qm");
        QTest::newRow("firmware file type") << "" << "1.0.7" << "KestraToolkit_de_DE.qm" << int(CMN::FILE_TYPE_FIRMWARE)
                                            << int(CMN::RC_UPDATE_INVALID_FILE)
                                            << "KestraLanguageLoaderC::startLoader: refusing file type 305";
    }

    void refusedUploadsWriteNothing()
    {
        QFETCH(QString, strFirmware);
        QFETCH(QString, strVersion);
        QFETCH(QString, strObjectFileName);
        QFETCH(int, iFileType);
        QFETCH(int, iResult);
        QFETCH(QString, strTrace);
        setFirmwareVersion(strFirmware);
        CMN::FileHeaderS oHeader;
        oHeader.iFileType = iFileType;
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

    // The name as the upload file holds it: bytes that are no UTF-8 (decoded to U+FFFD).
    void nameOfInvalidUtf8IsRefused()
    {
        const QString strPackage = makePackage("KestraToolkit_de_DE.qm", germanQm());
        QByteArray baPackage = fileContent(strPackage);
        const int iAt = baPackage.indexOf("KestraToolkit_de_DE.qm");
        QVERIFY(iAt > 0);
        baPackage.replace(iAt + 14, 2, "\xff\xfe");
        putFile(strPackage, baPackage);
        putFile(languageDir() + "KestraToolkit_fr_FR.qm", "French");

        QCOMPARE(upload(strPackage), int(CMN::RC_UPDATE_LOAD_FAILED));
        QCOMPARE(KestraTest::traces("loader").value(1),
                 QStringLiteral("KestraLanguageLoaderC::startLoader: refusing object file name "
                                "'KestraToolkit_\uFFFD\uFFFD_DE.qm'"));
        QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_fr_FR.qm"));
    }

    // Installed over another language: shown, the old file gone, reported as success.
    void uploadOverAnotherLanguage()
    {
        putFile(languageDir() + "KestraToolkit_de_DE.qm", germanQm());
        m_upManager->startComponent(0);
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
        KestraTest::clearReports();

        QCOMPARE(upload(makePackage("KestraToolkit_fr_FR.qm", germanQm())), int(CMN::RC_UPDATE_OK));
        QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_fr_FR.qm"));
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
        QCOMPARE(KestraTest::traces("LanguageManager").filter("failed"), QStringList());
        QCOMPARE(KestraTest::traces("loader").filter("failed"), QStringList());
    }

    void unloadablePayloadChangesNothing_data()
    {
        const QByteArray baGerman = germanQm();
        QTest::addColumn<QString>("strName");
        QTest::addColumn<QByteArray>("baPayload");
        QTest::newRow("garbage") << "KestraToolkit_fr_FR.qm" << QByteArray(4000, 'x');
        QTest::newRow("empty") << "KestraToolkit_fr_FR.qm" << QByteArray();
        QTest::newRow("half") << "KestraToolkit_fr_FR.qm" << baGerman.left(baGerman.size() / 2);
        QTest::newRow("only the magic") << "KestraToolkit_fr_FR.qm" << baGerman.left(16);
        QTest::newRow("last block cut short") << "KestraToolkit_fr_FR.qm" << baGerman.left(baGerman.size() - 3);
        QTest::newRow("garbage under the installed name") << "KestraToolkit_de_DE.qm" << QByteArray("x");
    }

    // A right checksum over a payload that is no translation: refused before anything is touched.
    void unloadablePayloadChangesNothing()
    {
        QFETCH(QString, strName);
        QFETCH(QByteArray, baPayload);
        putFile(languageDir() + "KestraToolkit_de_DE.qm", germanQm());
        putFile(languageDir() + "KestraToolkit_it_IT.qm", "other");
        m_upManager->startComponent(0);
        KestraTest::clearReports();

        QCOMPARE(upload(makePackage(strName, baPayload)), int(CMN::RC_UPDATE_INVALID_FILE));
        QCOMPARE(KestraTest::traces("loader").last(),
                 "KestraLanguageLoaderC::finishPhyObjLoad: " + strName
                     + " is not a complete translation, installed language kept!");
        QCOMPARE(filesIn(languageDir()), QStringList({"KestraToolkit_de_DE.qm", "KestraToolkit_it_IT.qm"}));
        QCOMPARE(fileContent(languageDir() + "KestraToolkit_de_DE.qm"), germanQm());
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
        // The file stays the one the next GUI start installs.
        cleanup();
        init();
        putFile(languageDir() + "KestraToolkit_de_DE.qm", germanQm());
        m_upManager->startComponent(0);
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
    }

    // Without a GUI there is no language manager: installed on disk, shown at the next GUI start.
    void uploadWithoutGuiIsInstalled()
    {
        m_upManager.reset();
        putFile(languageDir() + "KestraToolkit_fr_FR.qm", "French");

        QCOMPARE(upload(makePackage("KestraToolkit_de_DE.qm", germanQm())), int(CMN::RC_UPDATE_OK));
        QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_de_DE.qm"));
        QCOMPARE(KestraTest::traces("loader").last(),
                 QStringLiteral("KestraLanguageLoaderC::finishPhyObjLoad: no GUI running, "
                                "KestraToolkit_de_DE.qm is shown at the next GUI start"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());

        m_upManager = std::make_unique<KTX::LNG::LanguageManagerC>(languageDir());
        m_upManager->initComponent(0);
        m_upManager->startComponent(0);
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("HAUPTMENÜ"));
    }

    void installIsFlushedBeforeItIsDone_data()
    {
        QTest::addColumn<QString>("strFailing");
        QTest::addColumn<int>("iResult");
        QTest::newRow("all flushed") << "" << int(CMN::RC_UPDATE_OK);
        QTest::newRow("file flush fails") << "file" << int(CMN::RC_UPDATE_LOAD_FAILED);
        QTest::newRow("folder flush fails") << "folder" << int(CMN::RC_UPDATE_LOAD_FAILED);
    }

    void installIsFlushedBeforeItIsDone()
    {
        QFETCH(QString, strFailing);
        QFETCH(int, iResult);
        putFile(languageDir() + "KestraToolkit_fr_FR.qm", germanQm());
        m_upManager->startComponent(0);
        const QString strTarget = languageDir() + "KestraToolkit_de_DE.qm";
        const QString strFolder = QDir::cleanPath(languageDir());
        QStringList lstSynced;
        {
            KestraTest::SyncRecorderC oRecorder([&](const QString& strPath) {
                return strFailing == "file" ? strPath.startsWith(strTarget + ".tmp-") : strFailing == "folder" && strPath == strFolder;
            });
            QCOMPARE(upload(makePackage("KestraToolkit_de_DE.qm", germanQm())), iResult);
            lstSynced = oRecorder.paths();
        }
        QVERIFY2(lstSynced.value(0).startsWith(strTarget + ".tmp-"), qPrintable(lstSynced.join(' ')));
        if (iResult == CMN::RC_UPDATE_OK) {
            // The new file, then the folder after the rename and again after the deletions.
            QCOMPARE(lstSynced.mid(1), QStringList({strFolder, strFolder}));
            QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_de_DE.qm"));
        } else {
            // The installed language stays the only one.
            QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_fr_FR.qm"));
        }
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
