// Level from the main menu, through the real main controller and the simulated instrument: the
// bubbles and values follow the simulated tilt while the screen is shown, the plummet row stores
// its intensity at once and the plummet shines only while the screen is shown.
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"

#include "KTX/APP/KTX_APP_LevelLaserPlummetPanel.h"
#include "KTX/APP/KTX_APP_LevelWidget.h"
#include "KTX/KTX_MainController.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "Marrowlib/CCF_ConfigRecordFile.h"
#include "SimInstrument/VSIM_Settings.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_MenuContainer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

using KTX::APP::LevelLaserPlummetPanelC;
using KTX::APP::LevelWidgetC;

LevelLaserPlummetPanelC* shownPanel()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    auto* pPanel = pPage ? pPage->findChild<LevelLaserPlummetPanelC*>() : nullptr;
    return pPanel && pPanel->isVisible() ? pPanel : nullptr;
}

QString bubble(const LevelWidgetC* pWidget)
{
    if (!pWidget->isValid())
        return QStringLiteral("none");
    return QStringLiteral("%1,%2").arg(pWidget->bubblePosition().x()).arg(pWidget->bubblePosition().y());
}

QString row(const V40::GUI::HLabeledWidgetC* pRow)
{
    const QString strValue = pRow->getValueWidget()->getDisplayValue().toString();
    return QStringLiteral("%1 %2 %3").arg(pRow->getCaptionLabel()->text(), strValue, pRow->getUnitLabel()->text());
}

// "<title> <function keys>: <round> <vertical> <horizontal> | L <value> <unit> | T ... | <plummet>"
QString shownScreen()
{
    LevelLaserPlummetPanelC* pPanel = shownPanel();
    if (!pPanel)
        return QStringLiteral("no level screen");
    QStringList lstKeys;
    for (int iKey : GuiKeyDriver::enabledFunctionKeys())
        lstKeys << QStringLiteral("F%1").arg(iKey - Qt::Key_F1 + 1);
    V40::GUI::ComboWidgetC* pPlummet = pPanel->getPlummetInputWidget();
    const QString strPlummet = pPlummet ? pPlummet->itemText(pPlummet->getCurrentIndex()) : QStringLiteral("no plummet");
    return QStringLiteral("%1 %2: %3 %4 %5 | %6 | %7 | %8")
        .arg(GuiKeyDriver::title(), lstKeys.join('+'), bubble(pPanel->getRoundBubble()),
             bubble(pPanel->getVerticalBubble()), bubble(pPanel->getHorizontalBubble()), row(pPanel->getLRow()),
             row(pPanel->getTRow()), strPlummet);
}

QString unitRecordPath()
{
    return CCF::ConfigRecordFileC("CONF", KTX::UTI::UnitConfigC::RECORD_ID1, KTX::UTI::UnitConfigC::RECORD_ID2)
        .filePath();
}

// Steps that run one after the other inside the application's modal loop, 20 ms apart. A step
// that is not done yet (returns false) is tried again, for at most five seconds; then the next
// one runs all the same, so that the screen is always left in the end.
class StepsC
{
public:
    void add(const std::function<bool()>& fnStep) { m_lstSteps.push_back(fnStep); }
    void start()
    {
        m_spDone = std::make_shared<bool>(false);
        schedule(0, 0);
    }
    bool waitUntilDone()
    {
        auto spDone = m_spDone;
        return KestraTest::waitFor([spDone] { return *spDone; }, 60000);
    }

private:
    void schedule(int iStep, int iTries)
    {
        auto spDone = m_spDone;
        QTimer::singleShot(20, [this, iStep, iTries, spDone] {
            if (iStep >= int(m_lstSteps.size())) {
                *spDone = true;
                return;
            }
            const bool bDone = m_lstSteps[iStep]() || iTries >= 250;
            schedule(bDone ? iStep + 1 : iStep, bDone ? 0 : iTries + 1);
        });
    }

    std::vector<std::function<bool()>> m_lstSteps;
    std::shared_ptr<bool> m_spDone;
};

} // namespace

class LevelLaserPlummetApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_oPlatform.start());
        m_oPlatform.task().startGui();
        QVERIFY(StateTest::titleBecomes(QStringLiteral("MAIN MENU")));
        // "1 Level" first, the rest after it in the order of the table.
        QStringList lstCaptions;
        for (V40::GUI::AbstractMenuComponentC* pComponent : m_oPlatform.controller().rootMenuContainer()->components())
            lstCaptions << QString::number(pComponent->getProperties().getCaptionToken());
        QCOMPARE(lstCaptions, QStringList({"179", "180", "182", "184"}));
        GuiKeyDriver::mainWindow()->grab().save(StateTest::screenshotPath("MainMenu"));
    }

    void cleanupTestCase() { m_oPlatform.stop(); }

    void init()
    {
        QVERIFY(KestraTest::setSimulatorSetting("Sensor/TiltNoise", 0.0));
        QVERIFY(KestraTest::setSimulatorSetting("Sensor/CompensatorRange", 0.05));
        QVERIFY(VSIM::SettingsC::setValues({{"Sensor/TiltL", 0.0}, {"Sensor/TiltT", 0.0}}));
        QFile::remove(unitRecordPath());
        KestraTest::clearReports();
    }

    // Steps: "key:<F6|Escape|Right|Left>", "tilt:<L>,<T>" (rad), "see:<screen>" (waits until the
    // screen shows it, then notes what it shows), "plummet:<0|1>" (notes the light).
    void scenario_data()
    {
        QTest::addColumn<bool>("bOption");
        QTest::addColumn<int>("iStored");
        QTest::addColumn<int>("iAngleUnit");
        QTest::addColumn<QStringList>("lstSteps");
        QTest::addColumn<int>("iStoredAfter");

        const QString strLevel = QStringLiteral("LEVEL UP F6: 80,80 11,80 80,11 | L 0.0000 g | T 0.0000 g | ");
        const QString strEmpty = QStringLiteral("LEVEL UP F6: none none none | L  g | T  g | 60%");
        QTest::newRow("level: centred, plummet on at its 60 %, F6 leaves")
            << true << 60 << int(KTX::UTI::AU_Gon)
            << QStringList{"see:" + strLevel + "60%", "plummet:1", "key:F6"} << 60;
        QTest::newRow("the bubbles and values follow the tilt while shown")
            << true << 60 << int(KTX::UTI::AU_Gon)
            << QStringList{"see:" + strLevel + "60%", "tilt:0.0005,0.0002",
                           "see:LEVEL UP F6: 71,104 11,104 71,11 | L 0.0318 g | T 0.0127 g | 60%", "key:Escape"}
            << 60;
        QTest::newRow("0.01 rad of L: 75 px in the vertical vial only")
            << true << 60 << int(KTX::UTI::AU_Gon)
            << QStringList{"tilt:0.01,0", "see:LEVEL UP F6: 80,155 11,155 80,11 | L 0.6366 g | T 0.0000 g | 60%",
                           "key:F6"}
            << 60;
        QTest::newRow("above 1 gon the vials and rows are empty, back level they return")
            << true << 60 << int(KTX::UTI::AU_Gon)
            << QStringList{"see:" + strLevel + "60%", "tilt:0.02,0", "see:" + strEmpty, "tilt:0,0",
                           "see:" + strLevel + "60%", "key:F6"}
            << 60;
        QTest::newRow("beyond the compensator the reading is invalid")
            << true << 60 << int(KTX::UTI::AU_Gon) << QStringList{"tilt:0,-0.06", "see:" + strEmpty, "key:F6"} << 60;
        QTest::newRow("values in the configured angle unit")
            << true << 60 << int(KTX::UTI::AU_Degree)
            << QStringList{"tilt:0.0005,-0.0002", "see:LEVEL UP F6: 89,104 11,104 89,11 | L 0.0286 ° | T -0.0115 ° | 60%",
                           "key:F6"}
            << 60;
        QTest::newRow("selecting 60 % stores it at once and the plummet shines")
            << true << 40 << int(KTX::UTI::AU_Gon)
            << QStringList{"see:" + strLevel + "40%", "key:Right", "see:" + strLevel + "60%", "plummet:1", "key:F6"}
            << 60;
        QTest::newRow("stored 0: off until an intensity is chosen")
            << true << 0 << int(KTX::UTI::AU_Gon)
            << QStringList{"see:" + strLevel + "20%", "plummet:0", "key:Right", "see:" + strLevel + "40%", "plummet:1",
                           "key:Escape"}
            << 40;
        QTest::newRow("no laser plummet: no row, no light")
            << false << 60 << int(KTX::UTI::AU_Gon)
            << QStringList{"see:" + strLevel + "no plummet", "plummet:0", "key:Right", "key:F6"} << 60;
    }

    void scenario()
    {
        QFETCH(bool, bOption);
        QFETCH(int, iStored);
        QFETCH(int, iAngleUnit);
        QFETCH(QStringList, lstSteps);
        QFETCH(int, iStoredAfter);
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Option", bOption));
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Intensity", iStored));
        KTX::UTI::UnitConfigC oUnits;
        oUnits.setToDefault();
        oUnits.setAngleUnit(iAngleUnit);
        QVERIFY(oUnits.save());

        QStringList lstExpected;
        QStringList lstNotes;
        StepsC oSteps;
        for (const QString& strStep : lstSteps) {
            const QString strKind = strStep.section(':', 0, 0);
            const QString strArgument = strStep.section(':', 1);
            if (strKind == QLatin1String("key")) {
                static const QHash<QString, int> s_hashKeys{{"F6", Qt::Key_F6}, {"Escape", Qt::Key_Escape},
                                                            {"Right", Qt::Key_Right}, {"Left", Qt::Key_Left}};
                const int iKey = s_hashKeys.value(strArgument);
                oSteps.add([iKey] {
                    GuiKeyDriver::pressKey(iKey);
                    return true;
                });
            } else if (strKind == QLatin1String("tilt")) {
                const double dL = strArgument.section(',', 0, 0).toDouble();
                const double dT = strArgument.section(',', 1, 1).toDouble();
                oSteps.add([dL, dT] { return VSIM::SettingsC::setValues({{"Sensor/TiltL", dL}, {"Sensor/TiltT", dT}}); });
            } else if (strKind == QLatin1String("see")) {
                // The screen follows the simulated instrument by itself: wait until it shows it.
                lstExpected << strArgument;
                auto spTries = std::make_shared<int>(0);
                oSteps.add([&lstNotes, strArgument, spTries] {
                    const QString strShown = shownScreen();
                    if (strShown != strArgument && ++*spTries < 250)
                        return false;
                    lstNotes << strShown;
                    return true;
                });
            } else {
                lstExpected << strStep;
                oSteps.add([&lstNotes] {
                    lstNotes << QStringLiteral("plummet:%1").arg(int(VSIM::SettingsC::boolValue("LaserPlummet/On")));
                    return true;
                });
            }
        }
        oSteps.start();
        GuiKeyDriver::pressKey(Qt::Key_1); // returns when the application has ended
        QVERIFY(oSteps.waitUntilDone());

        QCOMPARE(lstNotes, lstExpected);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("MAIN MENU"));
        QCOMPARE(VSIM::SettingsC::intValue("LaserPlummet/Intensity"), iStoredAfter);
        // Off once the menu is up.
        QTRY_VERIFY(!VSIM::SettingsC::boolValue("LaserPlummet/On"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // Screenshots to look at; every part of the screen lies inside the page.
    void screenLooksFinished_data()
    {
        QTest::addColumn<bool>("bOption");
        QTest::addColumn<int>("iAngleUnit");
        QTest::addColumn<QString>("strName");
        QTest::newRow("with plummet") << true << int(KTX::UTI::AU_DegreeMinuteSecond) << "Level";
        QTest::newRow("without plummet") << false << int(KTX::UTI::AU_Mil) << "LevelNoPlummet";
    }

    void screenLooksFinished()
    {
        QFETCH(bool, bOption);
        QFETCH(int, iAngleUnit);
        QFETCH(QString, strName);
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/Option", bOption));
        KTX::UTI::UnitConfigC oUnits;
        oUnits.setToDefault();
        oUnits.setAngleUnit(iAngleUnit);
        QVERIFY(oUnits.save());
        QVERIFY(VSIM::SettingsC::setValues({{"Sensor/TiltL", -0.0004}, {"Sensor/TiltT", 0.0007}}));
        QStringList lstOutside;
        StepsC oSteps;
        oSteps.add([&] {
            LevelLaserPlummetPanelC* pPanel = shownPanel();
            if (!pPanel || !pPanel->getRoundBubble()->isValid())
                return false;
            QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
            QList<QWidget*> lstParts{pPanel->getRoundBubble(), pPanel->getVerticalBubble(), pPanel->getHorizontalBubble()};
            QList<V40::GUI::HLabeledWidgetC*> lstRows{pPanel->getLRow(), pPanel->getTRow()};
            if (pPanel->getPlummetInputWidget())
                lstRows << qobject_cast<V40::GUI::HLabeledWidgetC*>(pPanel->getPlummetInputWidget()->parentWidget());
            for (V40::GUI::HLabeledWidgetC* pRow : lstRows)
                lstParts << pRow->getCaptionLabel() << pRow->getValueWidget() << pRow->getUnitLabel();
            for (QWidget* pPart : lstParts) {
                const QRect oPart(pPart->mapTo(pPage, QPoint()), pPart->size());
                // Shown whole: inside the page and as wide as it asks to be.
                if (pPart->isVisible()
                    && (!pPage->rect().contains(oPart) || oPart.width() < pPart->minimumSizeHint().width()))
                    lstOutside << pPart->metaObject()->className();
            }
            GuiKeyDriver::mainWindow()->grab().save(StateTest::screenshotPath(strName));
            return true;
        });
        oSteps.add([] {
            GuiKeyDriver::pressKey(Qt::Key_F6);
            return true;
        });
        oSteps.start();
        GuiKeyDriver::pressKey(Qt::Key_1);
        QVERIFY(oSteps.waitUntilDone());
        QVERIFY(QFile::exists(StateTest::screenshotPath(strName)));
        QCOMPARE(lstOutside, QStringList());
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
};

KESTRA_TEST_MAIN(LevelLaserPlummetApplicationTest)
#include "tst_KTX_APP_LevelLaserPlummetApplication.moc"
