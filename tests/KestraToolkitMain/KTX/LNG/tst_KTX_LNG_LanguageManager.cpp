// Installing translation files at GUI start and at run time.
#include "KestraTest.h"

#include "KTX/LNG/KTX_LNG_LanguageManager.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_PathMap.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <memory>
#include <thread>

namespace {

const int TOKEN_MAIN_MENU = 178;
const QString s_strGerman = QStringLiteral("HAUPTMENÜ");

QString languageDir()
{
    return QFile::decodeName(BSS::HAL::getLanguageDirectory(-1).c_str());
}

// The built German translation, under the given name in the folder.
void putGerman(const QString& strDir, const QString& strName)
{
    QDir().mkpath(strDir);
    QFile::remove(strDir + "/" + strName);
    QVERIFY(QFile::copy(KestraTest::binDir() + "/KestraToolkit_de_DE.qm", strDir + "/" + strName));
}

QStringList filesIn(const QString& strDir)
{
    return QDir(strDir).entryList(QDir::Files, QDir::Name);
}

// A manager as the GUI start makes it: constructed and initialised.
std::unique_ptr<KTX::LNG::LanguageManagerC> makeManager(const QString& strDir)
{
    auto upManager = std::make_unique<KTX::LNG::LanguageManagerC>(strDir);
    upManager->initComponent(0);
    return upManager;
}

} // namespace

class LanguageManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(languageDir()).removeRecursively();
        QDir().mkpath(languageDir());
        KestraTest::clearReports();
    }

    void startInstallsTheFileOfTheLanguageDirectory()
    {
        {
            auto upManager = makeManager(languageDir());
            QCOMPARE(KTX::LNG::LanguageManagerC::Instance(), upManager.get());
            QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("MAIN MENU"));
            putGerman(languageDir(), "KestraToolkit_de_DE.qm");
            QVERIFY(upManager->startComponent(0));
            QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), s_strGerman);
            QCOMPARE(KestraTest::traces("LanguageManager").last(),
                     QStringLiteral("KTX::LNG::LanguageManagerC::execLoadLanguageFile: installing language '%1' "
                                    "succeeded!")
                         .arg(QFileInfo(languageDir() + "KestraToolkit_de_DE.qm").canonicalFilePath()));
            upManager->deinitComponent(0);
        }
        // The next GUI start fills the table again, without a report, and starts in English.
        auto upManager = makeManager(languageDir());
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("MAIN MENU"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QVERIFY(KTX::LNG::LanguageManagerC::Instance() == upManager.get());
    }

    void withoutMatchingFileNothingIsInstalled_data()
    {
        QTest::addColumn<QStringList>("lstFiles");
        QTest::newRow("empty") << QStringList();
        QTest::newRow("other names") << QStringList{"KestraToolkit_de.qm", "Other_de_DE.qm", "KestraToolkit_de_DE.ts"};
    }

    void withoutMatchingFileNothingIsInstalled()
    {
        QFETCH(QStringList, lstFiles);
        for (const QString& strFile : lstFiles)
            putGerman(languageDir(), strFile);
        auto upManager = makeManager(languageDir());
        upManager->startComponent(0);
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), QStringLiteral("MAIN MENU"));
        QCOMPARE(KestraTest::traces("LanguageManager"), QStringList());
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QCOMPARE(filesIn(languageDir()).size(), lstFiles.size());
    }

    void emptyLanguageDirectoryIsReported()
    {
        auto upManager = makeManager(QString());
        upManager->startComponent(0);
        QCOMPARE(BSS::TEST::assertReports().size(), 1);
        QCOMPARE(BSS::TEST::assertReports().first().strCondition, QStringLiteral("!m_strLanguageDir.isEmpty()"));
        QCOMPARE(BSS::TEST::assertReports().first().iLine, 72);
    }

    // Also from another thread, where a stale result of an earlier load must not be returned.
    void missingRelativeFileIsNoAction_data()
    {
        QTest::addColumn<bool>("bOtherThread");
        QTest::newRow("own thread") << false;
        QTest::newRow("other thread") << true;
    }

    void missingRelativeFileIsNoAction()
    {
        QFETCH(bool, bOtherThread);
        putGerman(languageDir(), "KestraToolkit_de_DE.qm");
        auto upManager = makeManager(languageDir());
        QVERIFY(upManager->loadLanguageFile("KestraToolkit_de_DE.qm"));
        KestraTest::clearReports();

        std::atomic<int> iResult(-1);
        auto fnLoad = [&] { iResult = upManager->loadLanguageFile("KestraToolkit_xx_XX.qm") ? 1 : 0; };
        if (bOtherThread) {
            std::thread oThread(fnLoad);
            QVERIFY(KestraTest::waitFor([&] { return iResult != -1; }));
            oThread.join();
        } else {
            fnLoad();
        }
        QCOMPARE(int(iResult), 0);
        QCOMPARE(KestraTest::traces("LanguageManager"),
                 QStringList("KTX::LNG::LanguageManagerC::execLoadLanguageFile: new language file "
                             "'KestraToolkit_xx_XX.qm' is empty, no action."));
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), s_strGerman);
    }

    // The installed file named again, relatively or by another absolute path, is the same file.
    void reinstallingTheInstalledFileKeepsIt_data()
    {
        QTest::addColumn<QString>("strAgain");
        QTest::newRow("relative") << QStringLiteral("KestraToolkit_de_DE.qm");
        QTest::newRow("absolute, other spelling")
            << QStringLiteral("%1/../Language/./KestraToolkit_de_DE.qm").arg(languageDir());
        QTest::newRow("through a link") << KestraTest::simRoot() + "/link/KestraToolkit_de_DE.qm";
    }

    void reinstallingTheInstalledFileKeepsIt()
    {
        QFETCH(QString, strAgain);
        QFile::remove(KestraTest::simRoot() + "/link");
        QVERIFY(QFile::link(languageDir(), KestraTest::simRoot() + "/link"));
        putGerman(languageDir(), "KestraToolkit_de_DE.qm");
        auto upManager = makeManager(languageDir());
        upManager->startComponent(0);
        QVERIFY(upManager->loadLanguageFile(strAgain));
        QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_de_DE.qm"));
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), s_strGerman);
        QVERIFY(KestraTest::traces("LanguageManager")
                    .contains(QStringLiteral("KTX::LNG::LanguageManagerC::execLoadLanguageFile: removing current "
                                             "translator '%1'")
                                  .arg(QFileInfo(languageDir() + "KestraToolkit_de_DE.qm").canonicalFilePath())));
    }

    void switchingDeletesThePreviousFile()
    {
        putGerman(languageDir(), "KestraToolkit_de_DE.qm");
        auto upManager = makeManager(languageDir());
        upManager->startComponent(0);
        putGerman(languageDir(), "KestraToolkit_de_CH.qm");
        QVERIFY(upManager->loadLanguageFile("KestraToolkit_de_CH.qm"));
        QCOMPARE(filesIn(languageDir()), QStringList("KestraToolkit_de_CH.qm"));
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), s_strGerman);
    }

    // A '.' in a folder name is not where the file name's extension starts.
    void folderWithDotInItsName()
    {
        const QString strDir = KestraTest::simRoot() + "/lang.v2/";
        putGerman(strDir, "KestraToolkit_de_DE.qm");
        auto upManager = makeManager(strDir);
        upManager->startComponent(0);
        QCOMPARE(V40::LNG::getTextToken(TOKEN_MAIN_MENU), s_strGerman);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }
};

KESTRA_TEST_MAIN(LanguageManagerTest)
#include "tst_KTX_LNG_LanguageManager.moc"
