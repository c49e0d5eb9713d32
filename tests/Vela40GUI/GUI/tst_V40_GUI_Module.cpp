// The GUI library's module brings its images from beside the program; every image the screens
// name is in one of the two resource files.
#include "KestraTest.h"

#include "V40_GUI_Module.h"

#include <QFile>
#include <QImage>
#include <QResource>

using V40::GUI::ModuleC;

namespace {

const QString s_strFrameResources = QStringLiteral("Vela40GUIResources.rcc");
const QString s_strMainResources = QStringLiteral("KestraToolkitMainResources.rcc");
const QString s_strExitImage = QStringLiteral(":/Images/Icon_TitleBar_Exit.bmp");

QString besideProgram(const QString& strFileName)
{
    return QCoreApplication::applicationDirPath() + "/" + strFileName;
}

} // namespace

class ModuleTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }
    void cleanup() { QFile::remove(besideProgram(s_strFrameResources)); }

    void initRegistersTheFrameImages()
    {
        QFile::remove(besideProgram(s_strFrameResources));
        QVERIFY(QFile::copy(KestraTest::binDir() + "/" + s_strFrameResources, besideProgram(s_strFrameResources)));
        QScopedPointer<CMDL::ModuleI> spModule(V40::GUI::Vela40GUIModuleFactoryC().createModule());
        QVERIFY(dynamic_cast<ModuleC*>(spModule.data()));
        QVERIFY(!QFile::exists(s_strExitImage));

        QVERIFY(spModule->initModule(1));
        QCOMPARE(QImage(s_strExitImage).size(), QSize(40, 40));
        // The menus' images come with the main module, not with the frame.
        QVERIFY(!QFile::exists(":/Images/level.png"));
        QVERIFY(spModule->deinitModule(1));
        QVERIFY(!QFile::exists(s_strExitImage));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void missingResourceFileIsReported()
    {
        QFile::remove(besideProgram(s_strFrameResources));
        ModuleC oModule(1);
        oModule.initModule(1);
        QVERIFY(!QFile::exists(s_strExitImage));
        oModule.deinitModule(1);
        QCOMPARE(KestraTest::assertTexts(),
                 QStringList({"Could not register Resources.", "Could not unregister Resources."}));
    }

    void everyImageOfTheScreens_data()
    {
        QTest::addColumn<QString>("strPath");
        QTest::addColumn<QSize>("oSize");
        QTest::newRow("exit button") << s_strExitImage << QSize(40, 40);
        QTest::newRow("combo switch") << ":/Images/IconTabShowNext.bmp" << QSize(32, 32);
        // 14 frames of 100x100.
        QTest::newRow("loading strip") << ":/Images/Loading_100.png" << QSize(100, 1400);
        // Menu icons fit the 99 pixels of a tile above its caption.
        for (const char* strIcon : {"level", "sysinfo", "settings", "general", "datetime", "communication",
                                    "atmos", "apps", "update", "calib", "format"})
            QTest::newRow(strIcon) << QStringLiteral(":/Images/%1.png").arg(strIcon) << QSize(88, 88);
        // Each bubble can travel 75 pixels from the centre without leaving its vial.
        QTest::newRow("round vial") << ":Images/IconLevel_CLevel.bmp" << QSize(200, 200);
        QTest::newRow("round bubble") << ":Images/IconLevel_RoundBubble.png" << QSize(40, 40);
        QTest::newRow("vertical vial") << ":Images/IconLevel_V.bmp" << QSize(50, 200);
        QTest::newRow("vertical bubble") << ":Images/IconLevel_VBubble.png" << QSize(28, 40);
        QTest::newRow("horizontal vial") << ":Images/IconLevel_H.bmp" << QSize(200, 50);
        QTest::newRow("horizontal bubble") << ":Images/IconLevel_HBubble.png" << QSize(40, 28);
    }

    void everyImageOfTheScreens()
    {
        QFETCH(QString, strPath);
        QFETCH(QSize, oSize);
        for (const QString& strFile : {s_strFrameResources, s_strMainResources})
            QVERIFY(QResource::registerResource(KestraTest::binDir() + "/" + strFile));
        const QImage oImage(strPath);
        QCOMPARE(oImage.size(), oSize);
        // Bitmaps are opaque; the icons and bubbles lie on whatever is behind them.
        QCOMPARE(oImage.hasAlphaChannel(), strPath.endsWith(".png"));
        for (const QString& strFile : {s_strFrameResources, s_strMainResources})
            QVERIFY(QResource::unregisterResource(KestraTest::binDir() + "/" + strFile));
    }
};

KESTRA_TEST_MAIN(ModuleTest)
#include "tst_V40_GUI_Module.moc"
