// The instrument panel: its controls write the simulator settings, follow changes made by another
// process, and its keys reach the running toolkit.
#include "KPN_Keypad.h"
#include "KPN_PanelWindow.h"
#include "KPN_SettingControl.h"

#include "KestraProcess.h"
#include "KestraTest.h"

#include "Ferrolib/BSS_SIM_Simulator.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include <functional>

namespace {

QLineEdit* field(KPN::PanelWindowC& rWindow, const QString& strKey)
{
    KPN::SettingControlC* pControl = rWindow.control(strKey);
    return pControl ? pControl->findChild<QLineEdit*>() : nullptr;
}

void type(QLineEdit* pField, const QString& strText)
{
    pField->setFocus();
    pField->selectAll();
    QTest::keyClicks(pField, strText);
    QTest::keyClick(pField, Qt::Key_Return);
}

QPushButton* pushButton(KPN::PanelWindowC& rWindow, const QString& strText)
{
    for (QPushButton* pButton : rWindow.findChildren<QPushButton*>()) {
        if (pButton->text() == strText)
            return pButton;
    }
    return nullptr;
}

} // namespace

class PanelWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (const VSIM::SettingS& rSetting : VSIM::settingTable())
            QVERIFY(KestraTest::setSimulatorSetting(rSetting.strKey, rSetting.strDefault));
    }

    void everySettingHasAControl()
    {
        KPN::PanelWindowC oWindow;
        for (const VSIM::SettingS& rSetting : VSIM::settingTable())
            QVERIFY2(oWindow.control(rSetting.strKey), qPrintable(rSetting.strKey));
    }

    // Each control writes its setting; a refused value is reported and the stored one stays.
    void controlsWriteTheSettings()
    {
        struct RowS
        {
            const char* szName;
            std::function<void(KPN::PanelWindowC&)> fnAct;
            QString strKey;
            QString strStored;
            bool bRefused;
        };
        const QList<RowS> lstRows{
            {"SD card out",
             [](KPN::PanelWindowC& w) { w.control("Configuration/SDCard")->findChild<QCheckBox*>()->click(); },
             "Configuration/SDCard", "0", false},
            {"instrument kind",
             [](KPN::PanelWindowC& w) {
                 auto* pCombo = w.control("Settings/PlatformKind")->findChild<QComboBox*>();
                 pCombo->setCurrentIndex(1);
                 emit pCombo->textActivated(pCombo->currentText());
             },
             "Settings/PlatformKind", "1", false},
            {"battery", [](KPN::PanelWindowC& w) { type(field(w, "Settings/Battery/BatteryInternal1/Capacity"), "15"); },
             "Settings/Battery/BatteryInternal1/Capacity", "15", false},
            {"battery refused",
             [](KPN::PanelWindowC& w) { type(field(w, "Settings/Battery/BatteryInternal1/Capacity"), "150"); },
             "Settings/Battery/BatteryInternal1/Capacity", "70", true},
            {"adjustment error", [](KPN::PanelWindowC& w) { type(field(w, "Adjustment/VIndex"), "0.0003"); },
             "Adjustment/VIndex", "0.0003", false},
            {"injected error",
             [](KPN::PanelWindowC& w) {
                 auto* pCombo = w.control("Measurement/FailSensor")->findChild<QComboBox*>();
                 pCombo->setCurrentText("angle");
                 emit pCombo->textActivated("angle");
             },
             "Measurement/FailSensor", "angle", false},
            {"tilt slider", [](KPN::PanelWindowC& w) { w.tiltSlider("Sensor/TiltT")->setValue(-500); }, "Sensor/TiltT",
             "-0.0005", false},
            {"steep target", [](KPN::PanelWindowC& w) { pushButton(w, "Steep target")->click(); }, "Telescope/V",
             "0.7853981633974483", false},
            {"horizontal target",
             [](KPN::PanelWindowC& w) {
                 pushButton(w, "Steep target")->click();
                 pushButton(w, "Horizontal target")->click();
             },
             "Telescope/V", "1.5707963267948966", false},
            {"change face", [](KPN::PanelWindowC& w) { pushButton(w, "Change face")->click(); }, "Telescope/Hz",
             "3.141592653589793", false},
            {"attach device", [](KPN::PanelWindowC& w) { pushButton(w, "Attach device")->click(); },
             "Events/DeviceAttached", "63", false},
        };
        for (const RowS& rRow : lstRows) {
            init();
            KPN::PanelWindowC oWindow;
            oWindow.show();
            QVERIFY(QTest::qWaitForWindowExposed(&oWindow));
            rRow.fnAct(oWindow);
            QVERIFY2(VSIM::SettingsC::textValue(rRow.strKey) == rRow.strStored,
                     qPrintable(QStringLiteral("%1: %2").arg(rRow.szName, VSIM::SettingsC::textValue(rRow.strKey))));
            QCOMPARE(oWindow.statusLine()->text().isEmpty(), !rRow.bRefused);
            // The field follows through the watcher, as for any other writer.
            if (QLineEdit* pField = field(oWindow, rRow.strKey))
                QVERIFY2(KestraTest::waitFor([&] { return pField->text() == rRow.strStored; }), rRow.szName);
        }
    }

    // KestraSimCtl, another process, changes the instrument: the panel shows it without polling.
    void followsChangesMadeElsewhere()
    {
        KPN::PanelWindowC oWindow;
        oWindow.show();
        QCOMPARE(KestraTest::runSimCtl({"tilt", "0.05gon", "-0.3mrad"}), 0);
        QVERIFY(KestraTest::waitFor([&] { return oWindow.tiltSlider("Sensor/TiltL")->value() == 785; }));
        QCOMPARE(oWindow.tiltSlider("Sensor/TiltT")->value(), -300);
        QVERIFY(field(oWindow, "Sensor/TiltL")->text().startsWith("0.00078539816339"));

        QCOMPARE(KestraTest::runSimCtl({"set", "Configuration/SDCard", "0"}), 0);
        auto* pCard = oWindow.control("Configuration/SDCard")->findChild<QCheckBox*>();
        QVERIFY(KestraTest::waitFor([&] { return !pCard->isChecked(); }));
        // What only the instrument writes is shown, not offered.
        QVERIFY(KestraTest::setSimulatorSetting("LaserPlummet/On", true));
        auto* pOn = oWindow.control("LaserPlummet/On")->findChild<QLabel*>();
        QVERIFY(pOn);
        QVERIFY(KestraTest::waitFor([&] { return pOn->text() == "1"; }));
        // A change elsewhere does not make the panel write back.
        QCOMPARE(VSIM::SettingsC::textValue("Sensor/TiltT"), QStringLiteral("-0.0003"));
    }

    void keysReachTheToolkit()
    {
        KPN::PanelWindowC oWindow;
        oWindow.keypad()->button(Qt::Key_1)->click();
        QCOMPARE(oWindow.statusLine()->text(), QStringLiteral("No KestraToolkit window to press 1 in."));

        KestraTest::ProgramC oProgram(KestraTest::simRoot());
        QVERIFY(oProgram.start());
        QVERIFY(oProgram.waitForText("GOT FOCUS: V40::GUI::IconMenuItemWidgetC \"Level\""));
        oWindow.keypad()->button(Qt::Key_1)->click();
        QVERIFY(oProgram.waitForText("Laser plummet on at 60 %."));
        // The slider tilts the instrument: the level screen's L field follows (300 µrad = 0.0191 gon).
        oWindow.tiltSlider("Sensor/TiltL")->setValue(300);
        QTemporaryDir oShots;
        const QString strPng = oShots.filePath("level.png");
        QFile oReport(oShots.filePath("level.txt"));
        QVERIFY(KestraTest::waitFor([&] {
            oReport.remove();
            if (!BSS::SIM::grabWindow("KestraToolkit", strPng) || !KestraTest::waitFor([&] { return oReport.exists(); }))
                return false;
            return oReport.open(QIODevice::ReadOnly) && QString::fromUtf8(oReport.readAll()).contains("QLineEdit 0.0191");
        }));
        oWindow.keypad()->button(Qt::Key_F6)->click();
        QVERIFY(oProgram.waitForText("Laser plummet off."));

        // The card pulled out: Apps > Update > Language finds none.
        oWindow.control("Configuration/SDCard")->findChild<QCheckBox*>()->click();
        for (int iKey : {Qt::Key_4, Qt::Key_1, Qt::Key_2})
            oWindow.keypad()->button(iKey)->click();
        QVERIFY(oProgram.waitForText("SD Card is not available!"));
        oProgram.terminate();
        QVERIFY(oProgram.waitForFinished());
    }
};

KESTRA_TEST_MAIN(PanelWindowTest)
#include "tst_KPN_PanelWindow.moc"
