// Settings > Comm. from the main menu, through the real main controller: the ports of the
// simulated instrument (the list follows devices attached while it is shown), F6 makes the
// selected port's device the active one, CONF opens the RS232 parameters (the port's serial
// record) or the internal Bluetooth module's PIN (settings registry), a handle has nothing to
// configure, and a stored PIN asks whether to restart.
#include "SettingsMenuTest.h"
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"

#include "KTX/APP/KTX_APP_BluetoothSettingsPanel.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsApplication.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsModel.h"
#include "KTX/APP/KTX_APP_RS232SettingsPanel.h"
#include "KTX/KTX_MainController.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Marrowlib/CCF_ConfigRecord.h"
#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"
#include "Marrowlib/CCF_ITF_DeviceProxy.h"
#include "SimInstrument/VSIM_Settings.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_ListWidget.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_ValueWidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Script steps: note the screen; attach a handle of type 71 and wait until the list shows it.
const int s_iNoteScreen = -1;
const int s_iAttachHandle = -2;

const char* const s_szPinKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\BtSvcZeroConfig";
const char* const s_szSecurityKey = "HKEY_LOCAL_MACHINE\\Comm\\Security";

V40::GUI::ListWidgetC* shownPortList()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    auto* pList = pPage ? pPage->findChild<V40::GUI::ListWidgetC*>() : nullptr;
    return pList && pList->isVisible() ? pList : nullptr;
}

// "Caption=value|..." of the rows of a device panel.
QString panelRows(V40::GUI::SettingsPanelC* pPanel, int iRows)
{
    QStringList lstRows;
    for (int iKey = 0; iKey < iRows; ++iKey) {
        V40::GUI::HLabeledWidgetC* pRow = pPanel->getRow(iKey);
        QString strValue;
        if (auto* pCombo = qobject_cast<V40::GUI::ComboWidgetC*>(pRow->getValueWidget()))
            strValue = pCombo->itemText(pCombo->getCurrentIndex());
        else
            strValue = qobject_cast<V40::GUI::ValueWidgetC*>(pRow->getValueWidget())->getLineEdit()->text();
        lstRows << pRow->getCaptionLabel()->text() + "=" + strValue;
    }
    return lstRows.join('|');
}

// "<title> <function keys>: " and the port list (the selected row marked with ">") or the rows
// of the device panel.
QString shownScreen()
{
    QStringList lstKeys;
    for (int iKey : GuiKeyDriver::enabledFunctionKeys())
        lstKeys << QStringLiteral("F%1").arg(iKey - Qt::Key_F1 + 1);
    const QString strHead = QStringLiteral("%1 %2: ").arg(GuiKeyDriver::title(), lstKeys.join('+'));
    if (V40::GUI::ListWidgetC* pList = shownPortList()) {
        QStringList lstRows;
        for (int iRow = 0; iRow < pList->rowCount(); ++iRow)
            lstRows << (pList->item(iRow, 0)->isSelected() ? ">" : "") + pList->item(iRow, 0)->text();
        return strHead + lstRows.join('|');
    }
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    if (auto* pPanel = pPage ? pPage->findChild<KTX::APP::RS232SettingsPanelC*>() : nullptr)
        return strHead + panelRows(pPanel, 5);
    if (auto* pPanel = pPage ? pPage->findChild<KTX::APP::BluetoothSettingsPanelC*>() : nullptr)
        return strHead + panelRows(pPanel, 1);
    return QStringLiteral("no communication settings");
}

void attachHandle()
{
    QVERIFY(VSIM::SettingsC::setValue(QStringLiteral("Devices/BluetoothHandle"), 71));
    QVERIFY(KestraTest::waitFor([] { return shownPortList() && shownPortList()->rowCount() == 3; }));
}

// Baud rate, parity enabled, parity odd, data bits, two stop bits, RTS/CTS of port 0.
QList<int> storedSerialRecord()
{
    CCF::ConfigRecordC oRecord("SERL", CCF::ITF::TS_PORT_RS232, 0);
    QList<int> lstFields;
    int iValue = 0;
    if (!oRecord.openRead())
        return lstFields;
    while (oRecord.readInt(iValue))
        lstFields << iValue;
    return lstFields;
}

QString activeDevice()
{
    CCF::ITF::DeviceConfigurationC oDeviceCfg;
    QString strName;
    int iPort = -1;
    if (!oDeviceCfg.open(1) || !oDeviceCfg.getActiveDevice(strName, iPort))
        return QString();
    return QStringLiteral("%1@%2").arg(strName).arg(iPort);
}



} // namespace

class CommunicationSettingsApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_iCommDigit = SettingsMenuTest::showSettingsMenu(m_oPlatform, 187);
        QVERIFY(m_iCommDigit != 0);
    }

    void cleanupTestCase() { m_oPlatform.stop(); }

    void init() { KestraTest::clearReports(); }

    void scenario_data()
    {
        const QString strStored = QStringLiteral("Information: Data stored ...");
        const QString strQuestion = QStringLiteral("Information: Exit?\n\nModifications will be ignored!");
        const QString strRestart =
            QStringLiteral("Information: A reboot is required for the\nchanges to take effect.\n\nReboot now?");
        const QString strPorts = QStringLiteral("COMMUNICATION SETTINGS F5+F6: >RS232|Internal Bluetooth");
        const QString strDefaults = QStringLiteral(
            "COMMUNICATION SETTINGS F5+F6: Baudrate=9600|Parity=None|Data bits=8|Stop bits=1|Flow control=None");
        const QList<int> lstOdd{19200, 1, 1, 7, 1, 1};
        QTest::addColumn<int>("iHandle");
        QTest::addColumn<QList<int>>("lstSerialRecord");
        QTest::addColumn<QString>("strStoredPin");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<QList<int>>("lstExpectedRecord");
        QTest::addColumn<QString>("strExpectedActive");
        QTest::addColumn<QString>("strExpectedPin");
        QTest::addColumn<QStringList>("lstExpectedReports");

        QTest::newRow("the ports; Escape ends without storing")
            << 0 << QList<int>() << QString() << QList<int>{s_iNoteScreen, Qt::Key_Escape} << QStringList{strPorts}
            << QList<int>() << QString() << QString() << QStringList();
        QTest::newRow("F6 makes the selected port's device the active one")
            << 0 << QList<int>() << QString() << QList<int>{Qt::Key_Down, Qt::Key_F6} << QStringList{strStored}
            << QList<int>() << "InternalBluetooth@1" << QString() << QStringList();
        QTest::newRow("a handle attached while the list is shown is listed at once")
            << 0 << QList<int>() << QString()
            << QList<int>{Qt::Key_Down, s_iAttachHandle, s_iNoteScreen, Qt::Key_Down, Qt::Key_F6}
            << QStringList{"COMMUNICATION SETTINGS F5+F6: RS232|>Internal Bluetooth|Bluetooth Handle (H71)", strStored}
            << QList<int>() << "BluetoothHandle@2" << QString() << QStringList();
        QTest::newRow("CONF on RS232 shows the stored record; Even stores parity on, odd off")
            << 0 << lstOdd << QString()
            << QList<int>{Qt::Key_F5, s_iNoteScreen, Qt::Key_Down, Qt::Key_Right, Qt::Key_F6, s_iNoteScreen, Qt::Key_Escape}
            << QStringList{"COMMUNICATION SETTINGS F5+F6: Baudrate=19200|Parity=Odd|Data bits=7|Stop bits=2|Flow control=RTS/CTS",
                           strStored, strPorts}
            << QList<int>{19200, 1, 0, 7, 1, 1} << QString() << QString() << QStringList();
        QTest::newRow("parity off shows None whatever the odd flag says")
            << 0 << QList<int>{9600, 0, 1, 8, 0, 0} << QString() << QList<int>{Qt::Key_F5, s_iNoteScreen, Qt::Key_Escape, Qt::Key_Escape}
            << QStringList{strDefaults} << QList<int>{9600, 0, 1, 8, 0, 0} << QString() << QString() << QStringList();
        QTest::newRow("F5 shows the defaults, Escape asks, YES throws them away")
            << 0 << lstOdd << QString()
            << QList<int>{Qt::Key_F5, Qt::Key_F5, s_iNoteScreen, Qt::Key_Escape, Qt::Key_F6, s_iNoteScreen, Qt::Key_Escape}
            << QStringList{strDefaults, strQuestion, strPorts} << lstOdd << QString() << QString() << QStringList();
        QTest::newRow("after NO the edit is still on the screen; a new CONF reads the record again")
            << 0 << lstOdd << QString()
            << QList<int>{Qt::Key_F5, Qt::Key_Right, Qt::Key_Escape, Qt::Key_F1, s_iNoteScreen, Qt::Key_Escape, Qt::Key_F6,
                          Qt::Key_F5, s_iNoteScreen, Qt::Key_Escape, Qt::Key_Escape}
            << QStringList{strQuestion,
                           "COMMUNICATION SETTINGS F5+F6: Baudrate=38400|Parity=Odd|Data bits=7|Stop bits=2|Flow control=RTS/CTS",
                           strQuestion,
                           "COMMUNICATION SETTINGS F5+F6: Baudrate=19200|Parity=Odd|Data bits=7|Stop bits=2|Flow control=RTS/CTS"}
            << lstOdd << QString() << QString() << QStringList();
        // A baud rate the port does not support: its default is shown, and OK stores the screen.
        QTest::newRow("an unreadable field shows its default and OK repairs the record")
            << 0 << QList<int>{12345, 1, 0, 8, 0, 0} << QString() << QList<int>{Qt::Key_F5, s_iNoteScreen, Qt::Key_F6, Qt::Key_Escape}
            << QStringList{"COMMUNICATION SETTINGS F5+F6: Baudrate=9600|Parity=Even|Data bits=8|Stop bits=1|Flow control=None",
                           strStored}
            << QList<int>{9600, 1, 0, 8, 0, 0} << QString() << QString() << QStringList();
        QTest::newRow("CONF on a Bluetooth handle shows no panel")
            << 71 << QList<int>() << QString() << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_F5, s_iNoteScreen, Qt::Key_Escape}
            << QStringList{"COMMUNICATION SETTINGS F5+F6: RS232|Internal Bluetooth|>Bluetooth Handle (H71)"} << QList<int>()
            << QString() << QString() << QStringList{"Invalid port for device configuration."};
        QTest::newRow("a PIN stored asks for the restart; NO ends")
            << 0 << QList<int>() << QString()
            << QList<int>{Qt::Key_Down, Qt::Key_F5, s_iNoteScreen, Qt::Key_4, Qt::Key_8, Qt::Key_2, Qt::Key_1, Qt::Key_Return,
                          Qt::Key_F6, Qt::Key_Escape, Qt::Key_F1}
            << QStringList{"COMMUNICATION SETTINGS F5+F6: Pin=7351", strStored, strRestart} << QList<int>() << QString()
            << "4821" << QStringList();
        // Typing overwrites the four digits; a letter is not taken, a digit taken away leaves no PIN.
        QTest::newRow("the PIN takes exactly four digits; nothing stored, nothing asked")
            << 0 << QList<int>() << QString("")
            << QList<int>{Qt::Key_Down, Qt::Key_F5, Qt::Key_X, Qt::Key_Delete, Qt::Key_Return, s_iNoteScreen, Qt::Key_F6, Qt::Key_Escape}
            << QStringList{"COMMUNICATION SETTINGS F5+F6: Pin=7351"} << QList<int>() << QString() << QString("")
            << QStringList();
    }

    // Keys typed ahead, queued behind the one that opens the screen, move in the list.
    void keysTypedAheadReachTheList()
    {
        QVERIFY(VSIM::SettingsC::setValue(QStringLiteral("Devices/BluetoothHandle"), 0));
        CCF::ITF::DeviceConfigurationC::resetActiveDevice();
        QWindow* pWindow = GuiKeyDriver::mainWindow()->windowHandle();
        for (int iKey : {int(Qt::Key_Down), int(Qt::Key_F6)}) {
            QCoreApplication::postEvent(pWindow, new QKeyEvent(QEvent::KeyPress, iKey, Qt::NoModifier));
            QCoreApplication::postEvent(pWindow, new QKeyEvent(QEvent::KeyRelease, iKey, Qt::NoModifier));
        }
        GuiKeyDriver::pressKey(m_iCommDigit); // returns when the application has ended
        QCOMPARE(activeDevice(), QStringLiteral("InternalBluetooth@1"));
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
    }

    void scenario()
    {
        QFETCH(int, iHandle);
        QFETCH(QList<int>, lstSerialRecord);
        QFETCH(QString, strStoredPin);
        QFETCH(QList<int>, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(QList<int>, lstExpectedRecord);
        QFETCH(QString, strExpectedActive);
        QFETCH(QString, strExpectedPin);
        QFETCH(QStringList, lstExpectedReports);
        QVERIFY(VSIM::SettingsC::setValue(QStringLiteral("Devices/BluetoothHandle"), iHandle));
        CCF::ITF::DeviceConfigurationC::resetActiveDevice();
        CCF::ConfigRecordFileC oSerialFile("SERL", CCF::ITF::TS_PORT_RS232, 0);
        QFile::remove(oSerialFile.filePath());
        if (!lstSerialRecord.isEmpty()) {
            CCF::ConfigRecordC oRecord("SERL", CCF::ITF::TS_PORT_RS232, 0);
            QVERIFY(oRecord.beginWrite(1));
            for (int iValue : lstSerialRecord)
                QVERIFY(oRecord.writeInt(iValue));
            QVERIFY(oRecord.commit());
        }
        {
            auto upPin = BSS::REG::openNativeSettings(s_szPinKey);
            if (strStoredPin.isNull())
                upPin->remove("devicePin");
            else
                upPin->setValue("devicePin", strStoredPin);
            BSS::REG::openNativeSettings(s_szSecurityKey)->setValue("bluetooth", "paired");
        }

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            if (iStep == s_iNoteScreen)
                // A message that closes by itself is noted, and the screen behind it.
                oScript.call(StateTest::noteMessage(&lstNotes))
                    .waitUntil(StateTest::noTimedMessage)
                    .call([&] { lstNotes << shownScreen(); });
            else if (iStep == s_iAttachHandle)
                oScript.call(attachHandle);
            else
                oScript.call(StateTest::noteMessage(&lstNotes)).waitUntil(StateTest::noTimedMessage).key(iStep);
        }
        oScript.call(StateTest::noteMessage(&lstNotes)).waitUntil(StateTest::noTimedMessage);
        oScript.start();
        GuiKeyDriver::pressKey(m_iCommDigit); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone());

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
        QCOMPARE(storedSerialRecord(), lstExpectedRecord);
        QCOMPARE(activeDevice(), strExpectedActive);
        const QVariant varPin = BSS::REG::openNativeSettings(s_szPinKey)->value("devicePin");
        QCOMPARE(varPin.isValid() ? varPin.toString() : QString(), strExpectedPin);
        // The pairings made with the old PIN go with a new one.
        QCOMPARE(BSS::REG::openNativeSettings(s_szSecurityKey)->contains("bluetooth"), strExpectedPin == strStoredPin);
        QCOMPARE(KestraTest::assertTexts(), lstExpectedReports);
    }

    // The port list, the RS232 panel and the PIN panel, to look at.
    void screenLooksFinished()
    {
        QVERIFY(VSIM::SettingsC::setValue(QStringLiteral("Devices/BluetoothHandle"), 63));
        QList<int> lstRowBottoms;
        const auto fnSave = [&](const QString& strName) {
            return [&lstRowBottoms, strName] {
                QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
                // Every row of a panel lies inside the page.
                for (auto* pRow : pPage->findChildren<V40::GUI::HLabeledWidgetC*>())
                    lstRowBottoms << pRow->mapTo(pPage, QPoint(0, pRow->height())).y() - pPage->height();
                GuiKeyDriver::mainWindow()->grab().save(StateTest::screenshotPath(strName));
            };
        };
        GuiKeyDriver::KeyScript oScript;
        oScript.call(fnSave("CommunicationPorts")).key(Qt::Key_F5).call(fnSave("CommunicationRS232"));
        oScript.key(Qt::Key_Escape).key(Qt::Key_Down).key(Qt::Key_F5).call(fnSave("CommunicationBluetooth"));
        oScript.key(Qt::Key_Escape).key(Qt::Key_Escape);
        oScript.start();
        GuiKeyDriver::pressKey(m_iCommDigit);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(lstRowBottoms.size(), 6);
        for (int iBelow : lstRowBottoms)
            QVERIFY(iBelow <= 0);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
        QVERIFY(VSIM::SettingsC::setValue(QStringLiteral("Devices/BluetoothHandle"), 0));
    }

    void portTexts()
    {
        using CCF::ITF::DeviceProxyC;
        QStringList lstTexts;
        for (int iDeviceType : {0, 63, 71, 5}) {
            lstTexts << KTX::APP::CommunicationSettingsModelC::getPortText(
                DeviceProxyC(2, CCF::ITF::PORT_TYPE_BLUETOOTH_HANDLE, iDeviceType, L"Handle"));
            lstTexts << KTX::APP::CommunicationSettingsModelC::getPortText(
                DeviceProxyC(1, CCF::ITF::PORT_TYPE_INTERNAL_BLUETOOTH, iDeviceType, L"InternalBluetooth"));
        }
        QCOMPARE(lstTexts, QStringList({"Bluetooth Handle", "Internal Bluetooth", "Bluetooth Handle (H63)",
                                        "Internal Bluetooth (H63)", "Bluetooth Handle (H71)", "Internal Bluetooth (H71)",
                                        "Bluetooth Handle", "Internal Bluetooth"}));
    }

    void graphOutsideItsTable()
    {
        using App = KTX::APP::CommunicationSettingsApplicationC;
        App oApplication;
        QCOMPARE(oApplication.getNextStateId(7, V40::APP::s_iExitCodeSuccess), -2);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unknown state."}));
        QCOMPARE(oApplication.getNextStateId(App::STATE_PORT_SELECTION, V40::APP::lastExitCode() + 1), -2);
        QCOMPARE(oApplication.getNextStateId(App::STATE_STORE_PORT, V40::APP::s_iExitCodeFail), -1);
        QCOMPARE(oApplication.getNextStateId(App::STATE_CONFIGURATION, App::s_iExitCodeSetToDefault),
                 int(App::STATE_SET_TO_DEFAULT));
        QCOMPARE(oApplication.getNextStateId(App::STATE_PORT_SELECTION, App::s_iExitCodeSetToDefault), -2);
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    int m_iCommDigit = 0;
};

KESTRA_TEST_MAIN(CommunicationSettingsApplicationTest)
#include "tst_KTX_APP_CommunicationSettingsApplication.moc"
