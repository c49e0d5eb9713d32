// Apps > Update > Firmware and Language through the real main controller, against the
// simulated SD card and instrument: the card check, the file lists, the warnings with the
// battery's capacity, the upload on the worker thread and every result message; what the
// upload installed (firmware version and image, the language and the screens in it).
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"
#include "KestraProcess.h"

#include "KTX/APP/KTX_APP_UploadFileApplication.h"
#include "KTX/APP/KTX_APP_UploadFileModel.h"
#include "KTX/KTX_MainController.h"
#include "LOD/LOD_KestraLoaderFactory.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_System.h"
#include "Quillbase/CMN_Update.h"
#include "SimInstrument/VSIM_Settings.h"
#include "V40_GUI_ListWidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

using KTX::APP::UploadFileModelC;

// One upload file for the card: name, file type, object type, version, description, payload.
struct PackageS
{
    QString strName;
    int iFileType;
    int iObjectType;
    QString strVersion;
    QString strDescription;
    QByteArray baPayload;
    // The payload's checksum does not match.
    bool bDamaged = false;
};
using PackageList = QList<PackageS>;

QString cardDir()
{
    return QFile::decodeName(BSS::HAL::getSdCardRootPath().c_str());
}

QString languageDir()
{
    return QFile::decodeName(BSS::HAL::getLanguageDirectory(-1).c_str());
}

QString firmwareDir()
{
    return QFile::decodeName(BSS::HAL::getSystemDirectory().c_str()) + "Firmware";
}

LOD::LGE::LoaderRegistryC* loaderRegistry()
{
    auto* pAccessor = dynamic_cast<CMN::FirmwareAccessorC*>(
        BSS::TSK::ComponentRegistryC::lookup(CMN::FirmwareAccessorC::CLASS_NAME));
    return pAccessor ? pAccessor->getLoaderRegistry() : nullptr;
}

QByteArray germanTranslation()
{
    QFile oFile(KestraTest::binDir() + "/KestraToolkit_de_DE.qm");
    return oFile.open(QIODevice::ReadOnly) ? oFile.readAll() : QByteArray();
}

PackageS firmware(const QString& strName, const QString& strVersion, const QByteArray& baImage = "image")
{
    return {strName, CMN::FILE_TYPE_FIRMWARE, CMN::OBJECT_TYPE_FIRMWARE, strVersion, "Vela40", baImage};
}

PackageS language(const QString& strLocale, const QString& strDescription, const QByteArray& baPayload)
{
    return {"KestraToolkit_" + strLocale + ".slg", CMN::FILE_TYPE_LANGUAGE, LOD::KestraLoaderFactoryC::OBJECT_TYPE_LANGUAGE,
            "1.0.0", strDescription, baPayload};
}

bool writePackage(const PackageS& rPackage)
{
    CMN::FileHeaderS oHeader;
    oHeader.iFileType = rPackage.iFileType;
    oHeader.iObjectType = rPackage.iObjectType;
    oHeader.oVersion.fromText(rPackage.strVersion);
    oHeader.strDescription = rPackage.strDescription;
    oHeader.strObjectFileName = rPackage.iFileType == CMN::FILE_TYPE_FIRMWARE
        ? QStringLiteral("Vela40.img")
        : QFileInfo(rPackage.strName).completeBaseName() + ".qm";
    const QString strPath = cardDir() + rPackage.strName;
    if (!CMN::writePackageFile(strPath, oHeader, rPackage.baPayload))
        return false;
    if (!rPackage.bDamaged)
        return true;
    // The last payload byte changed: the header still reads, the checksum no longer matches.
    QFile oFile(strPath);
    if (!oFile.open(QIODevice::ReadWrite) || !oFile.seek(oFile.size() - 1))
        return false;
    return oFile.write("!") == 1;
}

// Script steps that are no keys.
enum StepE
{
    STEP_NOTE_LIST = -1,   // note the file list
    STEP_INSERT_CARD = -2, // put the card in
    STEP_NOTE_MESSAGE = -3 // wait for the next message and note it
};

QString shownList()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    auto* pList = pPage ? pPage->findChild<V40::GUI::ListWidgetC*>() : nullptr;
    if (!pList || !pList->isVisible())
        return QStringLiteral("no list");
    QStringList lstRows;
    for (int iRow = 0; iRow < pList->rowCount(); ++iRow) {
        QStringList lstTexts;
        for (int iColumn = 0; iColumn < pList->columnCount(); ++iColumn)
            lstTexts << pList->item(iRow, iColumn)->text();
        lstRows << lstTexts.join(' ');
    }
    return QStringLiteral("%1: %2").arg(GuiKeyDriver::title(), lstRows.join('|'));
}

const QString s_strDataLoss =
    QStringLiteral("Information: Data may get lost!\nPlease close all other\napplications before proceeding!\n\n\nProceed?");

QString powerQuestion(const QString& strCapacity)
{
    return QStringLiteral("Information: Never disconnect power supply\nduring data transfer!\n\nBattery capacity must be at\n"
                          "least 75% before starting.\nCurrent capacity: %1\nProceed?")
        .arg(strCapacity);
}

QString failed(const QString& strFile, const QString& strReason)
{
    return QStringLiteral("Information: Upload of file\n%1\nwas not successful.\n\n%2").arg(strFile, strReason);
}

} // namespace

Q_DECLARE_METATYPE(PackageList)

class UploadFileApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!germanTranslation().isEmpty());
        QVERIFY(m_oPlatform.start());
        // The firmware module holds the language loader in the program.
        QVERIFY(m_oLanguageLoaders.registerWith(loaderRegistry()));
        startGui();
        const V40::GUI::MenuContainerC* pRoot = m_oPlatform.controller().rootMenuContainer();
        m_lstFirmwarePath = StateTest::menuPath(pRoot, {184, 190, 195});
        m_lstLanguagePath = StateTest::menuPath(pRoot, {184, 190, 196});
        QCOMPARE(m_lstFirmwarePath.size(), 3);
        QCOMPARE(m_lstLanguagePath.size(), 3);
    }

    void cleanupTestCase()
    {
        qunsetenv("KESTRA_PLATFORM_KIND");
        m_oPlatform.stop();
        m_oLanguageLoaders.unregisterFrom(loaderRegistry());
    }

    void init() { KestraTest::clearReports(); }

    void scenario_data()
    {
        QTest::addColumn<int>("iFileType");
        QTest::addColumn<int>("iPlatformKind");
        QTest::addColumn<SettingList>("lstSettings");
        QTest::addColumn<PackageList>("lstPackages");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<QString>("strExpectedTitle");
        // After the run: the running firmware's version and the installed images and languages.
        QTest::addColumn<QString>("strExpectedFirmware");
        QTest::addColumn<QStringList>("lstExpectedImages");
        QTest::addColumn<QStringList>("lstExpectedLanguages");

        const int iFirmware = UploadFileModelC::FILE_TYPE_FIRMWARE;
        const int iLanguage = UploadFileModelC::FILE_TYPE_LANGUAGE;
        const QString strNoCard = QStringLiteral("Information: SD Card is not available!");
        const QList<int> lstYesYes{STEP_NOTE_MESSAGE, Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F6, STEP_NOTE_MESSAGE};
        const QByteArray baGerman = germanTranslation();
        const PackageList lstNone;

        QTest::newRow("no card, CANCEL")
            << iLanguage << 0 << SettingList{{"Configuration/SDCard", "0"}} << lstNone
            << QList<int>{STEP_NOTE_MESSAGE, Qt::Key_F1} << QStringList{strNoCard} << "UPDATE" << "1.0.0" << QStringList()
            << QStringList();
        QTest::newRow("card put in, RETRY goes on to an empty card")
            << iLanguage << 0 << SettingList{{"Configuration/SDCard", "0"}} << lstNone
            << QList<int>{STEP_NOTE_MESSAGE, Qt::Key_F6, STEP_NOTE_MESSAGE, STEP_INSERT_CARD, Qt::Key_F6, STEP_NOTE_MESSAGE,
                          Qt::Key_F6}
            << QStringList{strNoCard, strNoCard, "Information: No Language file could be\nfound on SD Card!"} << "UPDATE"
            << "1.0.0" << QStringList() << QStringList();
        QTest::newRow("only foreign files: no firmware")
            << iFirmware << 1 << SettingList()
            << PackageList{language("de_DE", "Deutsch", baGerman), {"lang.fw", CMN::FILE_TYPE_LANGUAGE, 1480, "1.0.0", "x", "y"},
                           {"junk.fw", 7, 7, "1.0.0", "x", "y"}}
            << QList<int>{STEP_NOTE_MESSAGE, Qt::Key_F6}
            << QStringList{"Information: No Firmware file could be\nfound on SD Card!"} << "UPDATE" << "1.0.0"
            << QStringList() << QStringList();
        QTest::newRow("languages by language name, Escape leaves the list")
            << iLanguage << 0 << SettingList()
            << PackageList{language("ca_ES", "català", "x"), language("de_DE", "Deutsch", "y")}
            << QList<int>{STEP_NOTE_LIST, Qt::Key_Escape} << QStringList{"Select Language: Deutsch|català"} << "UPDATE"
            << "1.0.0" << QStringList() << QStringList();
        QTest::newRow("firmware by file name; NO to the data loss")
            << iFirmware << 1 << SettingList() << PackageList{firmware("b.fw", "1.2.0"), firmware("a.fw", "2.0.3")}
            << QList<int>{STEP_NOTE_LIST, Qt::Key_Down, Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F1}
            << QStringList{"Select File: a.fw 2.0|b.fw 1.2", s_strDataLoss} << "UPDATE" << "1.0.0" << QStringList()
            << QStringList();
        QTest::newRow("the desktop refuses firmware")
            << iFirmware << 0 << SettingList() << PackageList{firmware("new.fw", "2.0.0")}
            << (QList<int>{Qt::Key_F6} + lstYesYes + QList<int>{Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F6})
            << QStringList{s_strDataLoss, powerQuestion("70%"),
                           "Information: Files of type\n\"Firmware\"\ncannot be uploaded\non this device.",
                           failed("new.fw", "Error number: 0x2000005.")}
            << "UPDATE" << "1.0.0" << QStringList() << QStringList();
        QTest::newRow("the instrument installs a newer firmware")
            << iFirmware << 1 << SettingList() << PackageList{firmware("new.fw", "2.1.4", "image 2.1.4")}
            << (QList<int>{Qt::Key_F6} + lstYesYes)
            << QStringList{s_strDataLoss, powerQuestion("70%"), "Information: Upload of file\nnew.fw\nwas successful."}
            << "MAIN MENU" << "2.1.4" << QStringList{"Vela40.img=image 2.1.4"} << QStringList();
        QTest::newRow("an older major version is a version conflict")
            << iFirmware << 1 << SettingList{{"Settings/FirmwareVersion", "3.0.0"}} << PackageList{firmware("old.fw", "2.9.0")}
            << (QList<int>{Qt::Key_F6} + lstYesYes + QList<int>{Qt::Key_F6})
            << QStringList{s_strDataLoss, powerQuestion("70%"), failed("old.fw", "Version conflict.")} << "UPDATE"
            << "3.0.0" << QStringList() << QStringList();
        QTest::newRow("a battery too low for a firmware update")
            << iFirmware << 1 << SettingList{{"Settings/Battery/BatteryInternal1/Capacity", "15"}}
            << PackageList{firmware("new.fw", "2.0.0")} << (QList<int>{Qt::Key_F6} + lstYesYes + QList<int>{Qt::Key_F6})
            << QStringList{s_strDataLoss, powerQuestion("15%"), failed("new.fw", "Battery power is too low.")} << "UPDATE"
            << "1.0.0" << QStringList() << QStringList();
        QTest::newRow("battery state unknown; NO to the power question")
            << iLanguage << 0 << SettingList{{"Settings/Battery/BatteryInternal1/State", "0"}}
            << PackageList{language("de_DE", "Deutsch", baGerman)}
            << QList<int>{Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F1} << QStringList{powerQuestion("Unknown")} << "UPDATE"
            << "1.0.0" << QStringList() << QStringList();
        PackageS oDamaged = language("de_DE", "Deutsch", baGerman);
        oDamaged.bDamaged = true;
        QTest::newRow("a damaged language package is refused")
            << iLanguage << 0 << SettingList() << PackageList{oDamaged}
            << QList<int>{Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F6}
            << QStringList{powerQuestion("70%"), failed("KestraToolkit_de_DE.slg", "Error number: 0x3106002.")} << "UPDATE"
            << "1.0.0" << QStringList() << QStringList();
        QTest::newRow("a package that holds no translation is refused")
            << iLanguage << 0 << SettingList() << PackageList{language("de_DE", "Deutsch", "no translation")}
            << QList<int>{Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F6, STEP_NOTE_MESSAGE, Qt::Key_F6}
            << QStringList{powerQuestion("70%"), failed("KestraToolkit_de_DE.slg", "Error number: 0x3106002.")} << "UPDATE"
            << "1.0.0" << QStringList() << QStringList();
    }

    void scenario()
    {
        QFETCH(int, iFileType);
        QFETCH(int, iPlatformKind);
        QFETCH(SettingList, lstSettings);
        QFETCH(PackageList, lstPackages);
        QFETCH(QList<int>, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(QString, strExpectedTitle);
        QFETCH(QString, strExpectedFirmware);
        QFETCH(QStringList, lstExpectedImages);
        QFETCH(QStringList, lstExpectedLanguages);
        prepareInstrument(iPlatformKind, lstSettings);
        for (const PackageS& rPackage : lstPackages)
            QVERIFY(writePackage(rPackage));

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            switch (iStep) {
            case STEP_NOTE_LIST:
                oScript.call([&] { lstNotes << shownList(); });
                break;
            case STEP_INSERT_CARD:
                oScript.call([] { VSIM::SettingsC::setValue(QStringLiteral("Configuration/SDCard"), true); });
                break;
            case STEP_NOTE_MESSAGE:
                oScript.waitUntil(StateTest::messageShown).call(StateTest::noteMessage(&lstNotes));
                break;
            default:
                oScript.key(iStep);
                break;
            }
        }
        runApplication(iFileType, oScript);

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(m_strTitleAfterRun, strExpectedTitle);
        QCOMPARE(VSIM::SettingsC::textValue(QStringLiteral("Settings/FirmwareVersion")), strExpectedFirmware);
        QCOMPARE(filesIn(firmwareDir()), lstExpectedImages);
        QCOMPARE(QDir(languageDir()).entryList(QDir::Files), lstExpectedLanguages);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // A German package made with the package tool, uploaded through the menu: the screens are
    // in German from the result message on, and after the next GUI start.
    void germanPackageSwitchesTheScreens()
    {
        prepareInstrument(0, SettingList());
        KestraTest::ProgramC oTool(KestraTest::simRoot(), KestraTest::binDir() + "/KestraLangPack");
        QVERIFY(oTool.start({"--sdcard", KestraTest::binDir() + "/KestraToolkit_de_DE.qm"}));
        QVERIFY(oTool.waitForFinished());
        QCOMPARE(oTool.exitCode(), 0);

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        oScript.call([&] { lstNotes << shownList(); }).key(Qt::Key_F6);
        oScript.waitUntil(StateTest::messageShown).key(Qt::Key_F6);
        oScript.waitUntil(StateTest::messageShown).call(StateTest::noteMessage(&lstNotes));
        runApplication(UploadFileModelC::FILE_TYPE_LANGUAGE, oScript);
        QCOMPARE(lstNotes, QStringList({"Select Language: Deutsch",
                                        "Hinweis: Laden der Datei\nKestraToolkit_de_DE.slg\nwar erfolgreich."}));
        QCOMPARE(m_strTitleAfterRun, QStringLiteral("HAUPTMENÜ"));
        QCOMPARE(QDir(languageDir()).entryList(QDir::Files), QStringList({"KestraToolkit_de_DE.qm"}));

        restartGui();
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("HAUPTMENÜ"));
        // English again for whatever comes next.
        QDir(languageDir()).removeRecursively();
        restartGui();
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("MAIN MENU"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // Screenshots to look at: both lists, the warnings, the progress dialog.
    void screenshots()
    {
        prepareInstrument(1, SettingList());
        QVERIFY(writePackage(firmware("Vela40_2_1_4.fw", "2.1.4")));
        QVERIFY(writePackage(firmware("Vela40_1_9_0.fw", "1.9.0")));
        auto save = [](const char* szName) {
            return [szName] {
                QWidget* pDialog = QApplication::activeModalWidget();
                QWidget* pShown = pDialog ? pDialog : GuiKeyDriver::mainWindow();
                pShown->grab().save(QCoreApplication::applicationDirPath() + "/" + szName);
            };
        };
        GuiKeyDriver::KeyScript oScript;
        oScript.call(save("UploadFirmwareList.png")).key(Qt::Key_F6).waitUntil(StateTest::messageShown);
        oScript.call(save("UploadDataLoss.png")).key(Qt::Key_F6).waitUntil(StateTest::messageShown);
        oScript.call(save("UploadPower.png")).key(Qt::Key_F6);
        oScript.waitUntil([] { return QApplication::activeModalWidget() != nullptr; }).call(save("UploadProgress.png"));
        oScript.waitUntil(StateTest::messageShown).call(save("UploadDone.png"));
        runApplication(UploadFileModelC::FILE_TYPE_FIRMWARE, oScript);

        prepareInstrument(0, SettingList());
        QVERIFY(writePackage(language("de_DE", "Deutsch", "x")));
        QVERIFY(writePackage(language("fr_FR", "Français", "y")));
        GuiKeyDriver::KeyScript oLanguages;
        oLanguages.call(save("UploadLanguageList.png")).key(Qt::Key_Escape);
        runApplication(UploadFileModelC::FILE_TYPE_LANGUAGE, oLanguages);
    }

    void fileList()
    {
        prepareInstrument(0, SettingList());
        // Files the pattern takes in, with headers to read or not.
        QVERIFY(writePackage(language("fr_FR", "Français", "x")));
        QVERIFY(writePackage(firmware("KestraToolkit_it_IT.slg", "1.0.0")));
        QVERIFY(writePackage(language("de_DE", "Deutsch", "y")));
        QFile oEmpty(cardDir() + "KestraToolkit_nl_NL.slg");
        QVERIFY(oEmpty.open(QIODevice::WriteOnly));
        UploadFileModelC oModel(UploadFileModelC::FILE_TYPE_LANGUAGE);
        oModel.RefreshFileList();
        QStringList lstFiles;
        for (const KTX::APP::UploadFileInfoS& rInfo : oModel.GetFileList())
            lstFiles << QStringLiteral("%1 %2 %3.%4 %5").arg(rInfo.strFileName, rInfo.strDescription).arg(rInfo.iVersionMajor)
                            .arg(rInfo.iVersionMinor).arg(rInfo.iHeaderType);
        QCOMPARE(lstFiles, QStringList({"KestraToolkit_de_DE.slg Deutsch 1.0 391", "KestraToolkit_fr_FR.slg Français 1.0 391"}));
        oModel.SetSelectedFileName("KestraToolkit_de_DE.slg");
        QCOMPARE(oModel.GetSelectedFilePath(), QDir::cleanPath(cardDir() + "/KestraToolkit_de_DE.slg"));

        KTX::APP::UploadFileInfoS oLeft, oRight;
        oLeft.strFileName = "a";
        oRight.strFileName = "b";
        QVERIFY(KTX::APP::UploadFileInfoS::isLess(oLeft, oRight, KTX::APP::UploadFileInfoS::COMPARE_FILE_NAME));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QVERIFY(!KTX::APP::UploadFileInfoS::isLess(oLeft, oRight, 2));
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Invalid compare member."}));
    }

    void unsupportedTypes()
    {
        UploadFileModelC oModel(99, 3);
        QCOMPARE(oModel.GetFileTypeLabel(), QStringLiteral("Unsupported file type."));
        QCOMPARE(oModel.GetMemoryDeviceLabel(), QStringLiteral("Unsupported memory device."));
        QVERIFY(!oModel.IsFileTypeAllowed());
        QVERIFY(!oModel.IsMemoryDeviceAvailable());
        QCOMPARE(oModel.GetMemoryDeviceRootPath(), QString());
        oModel.RefreshFileList();
        QVERIFY(oModel.GetFileList().empty());
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unsupported memory device type.", "Unsupported file type.",
                                                         "File type not allowed.", "false"}));
    }

    void graphOutsideItsTable()
    {
        KTX::APP::UploadFileApplicationC oApplication(UploadFileModelC::FILE_TYPE_LANGUAGE);
        QCOMPARE(oApplication.getNextStateId(3, V40::APP::s_iExitCodeSuccess), 4);
        QCOMPARE(oApplication.getNextStateId(3, V40::APP::s_iExitCodeFail), -1);
        QCOMPARE(oApplication.getNextStateId(4, V40::APP::s_iExitCodeFail), 5);
        QCOMPARE(oApplication.getNextStateId(5, V40::APP::s_iExitCodeSuccess), -1);
        QCOMPARE(oApplication.getNextStateId(0, V40::APP::lastExitCode() + 1), -2);
        QCOMPARE(oApplication.getNextStateId(6, V40::APP::s_iExitCodeSuccess), -2);
    }

private:
    void startGui()
    {
        m_oPlatform.task().startGui();
        QVERIFY(KestraTest::waitFor([] { return KestraTest::existingMainWindow() && isMainMenu(); }));
    }

    void restartGui()
    {
        CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
        QVERIFY(KestraTest::waitFor([this] { return m_oPlatform.controller().waitUntilStopped(0); }));
        m_oPlatform.task().startGui();
        QVERIFY(KestraTest::waitFor([] {
            return KestraTest::existingMainWindow() && KestraTest::existingMainWindow()->isVisible()
                && GuiKeyDriver::title().startsWith(QStringLiteral("HAUPT"))
                    != QDir(languageDir()).entryList(QDir::Files).isEmpty();
        }));
    }

    static void prepareInstrument(int iPlatformKind, const SettingList& lstSettings)
    {
        qputenv("KESTRA_PLATFORM_KIND", QByteArray::number(iPlatformKind));
        QVERIFY(StateTest::setSimulator({"Configuration/SDCard", "Settings/FirmwareVersion",
                                         "Settings/Battery/BatteryInternal1/State",
                                         "Settings/Battery/BatteryInternal1/Capacity", "Settings/SilentOperation"},
                                        lstSettings));
        QDir(cardDir()).removeRecursively();
        QVERIFY(QDir().mkpath(cardDir()));
        QDir(firmwareDir()).removeRecursively();
        QDir(languageDir()).removeRecursively();
    }

    void runApplication(int iFileType, GuiKeyDriver::KeyScript& rScript)
    {
        // The menu entry's digits; the last one runs the application and returns when it ends.
        const QList<int> lstDigits =
            iFileType == UploadFileModelC::FILE_TYPE_FIRMWARE ? m_lstFirmwarePath : m_lstLanguagePath;
        GuiKeyDriver::KeyScript oMenu;
        oMenu.key(lstDigits.at(0)).key(lstDigits.at(1));
        QVERIFY(oMenu.run());
        StateTest::answerLeftoverMessage(rScript);
        rScript.start();
        GuiKeyDriver::pressKey(lstDigits.at(2));
        QVERIFY(rScript.waitUntilDone(30000));
        m_strTitleAfterRun = GuiKeyDriver::title();
        // Back to the main menu for the next run.
        for (int i = 0; i < 2 && !isMainMenu(); ++i) {
            const QString strTitle = GuiKeyDriver::title();
            QVERIFY(GuiKeyDriver::KeyScript().key(Qt::Key_Escape).run());
            QVERIFY(KestraTest::waitFor([&] { return GuiKeyDriver::title() != strTitle; }));
        }
        QVERIFY(isMainMenu());
    }

    static bool isMainMenu()
    {
        return GuiKeyDriver::title() == QStringLiteral("MAIN MENU") || GuiKeyDriver::title() == QStringLiteral("HAUPTMENÜ");
    }

    static QStringList filesIn(const QString& strDir)
    {
        QStringList lstFiles;
        for (const QFileInfo& rFile : QDir(strDir).entryInfoList(QDir::Files)) {
            QFile oFile(rFile.filePath());
            lstFiles << rFile.fileName() + "=" + (oFile.open(QIODevice::ReadOnly) ? QString::fromLatin1(oFile.readAll()) : QString());
        }
        return lstFiles;
    }

    KestraTest::GuiPlatformC m_oPlatform;
    LOD::KestraLoaderFactoryC m_oLanguageLoaders;
    QList<int> m_lstFirmwarePath;
    QList<int> m_lstLanguagePath;
    QString m_strTitleAfterRun;
};

KESTRA_TEST_MAIN(UploadFileApplicationTest)
#include "tst_KTX_APP_UploadFileApplication.moc"
