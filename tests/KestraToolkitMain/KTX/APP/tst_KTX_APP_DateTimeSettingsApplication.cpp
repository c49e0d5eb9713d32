// Settings > Date/Time from the main menu, through the real main controller: the time and date
// rows follow the instrument's clock until edited, F6 sets the clock only for an edit (through the
// simulated instrument's clock offset, never the host's clock) and stores the date format only
// when it was changed; a new format re-formats the date row at once.
#include "SettingsMenuTest.h"
#include "StateTestApplication.h"

#include "KestraGuiPlatform.h"

#include "KTX/APP/KTX_APP_DateTimeSettingsApplication.h"
#include "KTX/APP/KTX_APP_DateTimeSettingsModel.h"
#include "KTX/APP/KTX_APP_DateTimeSettingsPanel.h"
#include "KTX/KTX_MainController.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "Ferrolib/BSS_HAL_DateTime.h"
#include "Pelletlib/CNV_DateTime.h"
#include "SimInstrument/VSIM_Settings.h"
#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_ValueWidget.h"

#include <QLineEdit>

namespace {

using KTX::APP::DateTimeSettingsModelC;

// Script steps that note the screen, "<title> <function keys>: <hh:mm>|<date>|<format> <date mask>",
// and whether the time row moves within two seconds.
const int s_iNoteScreen = -1;
const int s_iNoteTicking = -2;

const QString s_strOffsetKey = QStringLiteral("Clock/Offset");

KTX::APP::DateTimeSettingsPanelC* shownPanel()
{
    QWidget* pPage = GuiKeyDriver::mainWindow()->contentBar();
    return pPage ? pPage->findChild<KTX::APP::DateTimeSettingsPanelC*>() : nullptr;
}

V40::GUI::ValueWidgetC* rowWidget(int iKey)
{
    return qobject_cast<V40::GUI::ValueWidgetC*>(shownPanel()->getRow(iKey)->getValueWidget());
}

QString rowText(int iKey)
{
    if (auto* pCombo = qobject_cast<V40::GUI::ComboWidgetC*>(rowWidget(iKey)))
        return pCombo->itemText(pCombo->getCurrentIndex());
    return rowWidget(iKey)->getLineEdit()->text();
}

QString shownScreen()
{
    if (!shownPanel())
        return QStringLiteral("no date and time settings");
    QStringList lstKeys;
    for (int iKey : GuiKeyDriver::enabledFunctionKeys())
        lstKeys << QStringLiteral("F%1").arg(iKey - Qt::Key_F1 + 1);
    return QStringLiteral("%1 %2: %3|%4|%5 %6")
        .arg(GuiKeyDriver::title(), lstKeys.join('+'), rowText(DateTimeSettingsModelC::KEY_TIME).left(5),
             rowText(DateTimeSettingsModelC::KEY_DATE), rowText(DateTimeSettingsModelC::KEY_DATE_FORMAT),
             rowWidget(DateTimeSettingsModelC::KEY_DATE)->getInputMask());
}

// Notes whether the time row moves within two seconds.
void noteTicking(GuiKeyDriver::KeyScript& rScript, QStringList* pNotes)
{
    auto spBefore = std::make_shared<QString>();
    const auto fnMoved = [spBefore] { return shownPanel() && rowText(DateTimeSettingsModelC::KEY_TIME) != *spBefore; };
    rScript.waitUntil([] { return shownPanel() != nullptr; })
        .call([spBefore] { *spBefore = rowText(DateTimeSettingsModelC::KEY_TIME); })
        .waitUntil(fnMoved, 2200)
        .call([pNotes, fnMoved] { *pNotes << (fnMoved() ? QStringLiteral("time ticks") : QStringLiteral("time stands")); });
}

// A date-time number of the fields.
double dateTime(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond)
{
    CNV::DateTimeS sFields;
    sFields.iYear = iYear;
    sFields.iMonth = iMonth;
    sFields.iDay = iDay;
    sFields.iHour = iHour;
    sFields.iMinute = iMinute;
    sFields.iSecond = iSecond;
    return CNV::joinDateTime(sFields);
}

// Sets the instrument's clock as the simulator control tool would.
void setInstrumentClock(double dDateTime)
{
    const double dOffset = VSIM::SettingsC::doubleValue(s_strOffsetKey)
        + (dDateTime - BSS::HAL::currentDateTime()) * 86400.0;
    QVERIFY(VSIM::SettingsC::setValue(s_strOffsetKey, dOffset));
}



QList<int> digitKeys(const QString& strDigits)
{
    QList<int> lstKeys;
    for (QChar cDigit : strDigits)
        lstKeys << Qt::Key_0 + cDigit.digitValue();
    return lstKeys;
}

} // namespace

class DateTimeSettingsApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_iDateTimeDigit = SettingsMenuTest::showSettingsMenu(m_oPlatform, 186);
        QVERIFY(m_iDateTimeDigit != 0);
    }

    void cleanupTestCase() { m_oPlatform.stop(); }

    void init() { KestraTest::clearReports(); }

    void scenario_data()
    {
        const QString strStored = QStringLiteral("Information: Data stored ...");
        const QString strQuestion = QStringLiteral("Information: Exit?\n\nModifications will be ignored!");
        const QString strShown = QStringLiteral("DATE / TIME F6: 07:08|06.05.2031|dd.mm.yyyy 00.00.0000");
        const QString strUnchanged;
        QTest::addColumn<int>("iStoredFormat");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<QStringList>("lstExpectedNotes");
        QTest::addColumn<int>("iExpectedFormat");
        // "yyyy-MM-dd hh:mm:ss" the clock was set to, or empty when it must not have been set.
        QTest::addColumn<QString>("strExpectedClock");

        QTest::newRow("F6 without edits sets nothing")
            << 1 << QList<int>{s_iNoteScreen, Qt::Key_F6} << QStringList{strShown} << 1 << strUnchanged;
        QTest::newRow("the time follows the clock, an edit stops it")
            << 1 << (QList<int>{s_iNoteTicking} << digitKeys("1") << s_iNoteTicking << Qt::Key_Escape << Qt::Key_F6)
            << QStringList{"time ticks", "time stands", strQuestion} << 1 << strUnchanged;
        QTest::newRow("time edited: the clock is set, on the date shown")
            << 1 << (digitKeys("102030") << Qt::Key_Return << Qt::Key_F6) << QStringList{strStored} << 1
            << QStringLiteral("2031-05-06 10:20:30");
        QTest::newRow("date edited: the new date with the time the clock had")
            << 1 << (QList<int>{Qt::Key_Down} << digitKeys("01022032") << Qt::Key_Return << Qt::Key_F6)
            << QStringList{strStored} << 1 << QStringLiteral("2032-02-01 07:08:09");
        QTest::newRow("yyyy.mm.dd re-formats the date row at once; only the format is stored")
            << 1 << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, s_iNoteScreen, Qt::Key_F6}
            << QStringList{"DATE / TIME F6: 07:08|2031.05.06|yyyy.mm.dd 0000.00.00", strStored} << 3 << strUnchanged;
        QTest::newRow("a stored format shows at once")
            << 2 << QList<int>{s_iNoteScreen, Qt::Key_Escape}
            << QStringList{"DATE / TIME F6: 07:08|05.06.2031|mm.dd.yyyy 00.00.0000"} << 2 << strUnchanged;
        QTest::newRow("a date in the new format, the time as edited")
            << 1 << (QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up} << digitKeys("20330708")
                     << Qt::Key_Up << digitKeys("235959") << Qt::Key_Return << Qt::Key_F6)
            << QStringList{strStored} << 3 << QStringLiteral("2033-07-08 23:59:59");
        QTest::newRow("Escape after an edit asks; YES sets nothing")
            << 1 << (digitKeys("102030") << Qt::Key_Escape << Qt::Key_F6) << QStringList{strQuestion} << 1 << strUnchanged;
        // The clock keeps the years 2000 to 2099: the store fails and the screen keeps the edit.
        QTest::newRow("a year the clock does not keep: reported, back with the edit")
            << 1
            << (QList<int>{Qt::Key_Down} << digitKeys("01011999") << Qt::Key_Return << Qt::Key_F6 << Qt::Key_F6
                                         << s_iNoteScreen << Qt::Key_Escape << Qt::Key_F6)
            << QStringList{"Error: Data could not be stored!", "DATE / TIME F6: 07:08|01.01.1999|dd.mm.yyyy 00.00.0000",
                           strQuestion}
            << 1 << strUnchanged;
    }

    void scenario()
    {
        QFETCH(int, iStoredFormat);
        QFETCH(QList<int>, lstSteps);
        QFETCH(QStringList, lstExpectedNotes);
        QFETCH(int, iExpectedFormat);
        QFETCH(QString, strExpectedClock);
        KTX::UTI::UnitConfigC oConfig;
        oConfig.setToDefault();
        oConfig.setDistanceUnit(KTX::UTI::DU_UsSurveyFoot);
        oConfig.setDateFormat(iStoredFormat);
        QVERIFY(oConfig.save());
        setInstrumentClock(dateTime(2031, 5, 6, 7, 8, 9));
        const double dOffset = VSIM::SettingsC::doubleValue(s_strOffsetKey);

        QStringList lstNotes;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            if (iStep == s_iNoteScreen)
                // A message that closes by itself is noted, and the screen behind it.
                oScript.call(StateTest::noteMessage(&lstNotes))
                    .waitUntil(StateTest::noTimedMessage)
                    .call([&] { lstNotes << shownScreen(); });
            else if (iStep == s_iNoteTicking)
                noteTicking(oScript, &lstNotes);
            else
                oScript.call(StateTest::noteMessage(&lstNotes)).waitUntil(StateTest::noTimedMessage).key(iStep);
        }
        oScript.call(StateTest::noteMessage(&lstNotes)).waitUntil(StateTest::noTimedMessage);
        oScript.start();
        GuiKeyDriver::pressKey(m_iDateTimeDigit); // returns when the application has ended
        QVERIFY(oScript.waitUntilDone(20000));

        QCOMPARE(lstNotes, lstExpectedNotes);
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
        oConfig.load();
        QCOMPARE(oConfig.getDateFormat(), iExpectedFormat);
        QCOMPARE(oConfig.getDistanceUnit(), int(KTX::UTI::DU_UsSurveyFoot));
        if (strExpectedClock.isEmpty()) {
            QCOMPARE(VSIM::SettingsC::doubleValue(s_strOffsetKey), dOffset);
        } else {
            // The clock runs on from the time set: a few seconds have passed since.
            const QDateTime oExpected = QDateTime::fromString(strExpectedClock, "yyyy-MM-dd hh:mm:ss");
            const QDate oDate = oExpected.date();
            const QTime oTime = oExpected.time();
            const double dSet = dateTime(oDate.year(), oDate.month(), oDate.day(), oTime.hour(), oTime.minute(), oTime.second());
            const double dSecondsSince = (BSS::HAL::currentDateTime() - dSet) * 86400.0;
            QVERIFY2(dSecondsSince > -1.5 && dSecondsSince < 10.0, qPrintable(QString::number(dSecondsSince)));
        }
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    void screenLooksFinished()
    {
        setInstrumentClock(dateTime(2031, 5, 6, 7, 8, 9));
        GuiKeyDriver::KeyScript oScript;
        oScript.call([] { GuiKeyDriver::mainWindow()->grab().save(QCoreApplication::applicationDirPath() + "/DateTimeSettings.png"); });
        oScript.key(Qt::Key_Escape);
        oScript.start();
        GuiKeyDriver::pressKey(m_iDateTimeDigit);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(GuiKeyDriver::title(), QStringLiteral("SETTINGS"));
    }

    void formatTexts()
    {
        QStringList lstTexts;
        for (int iFormat : DateTimeSettingsModelC::dateFormats())
            lstTexts << DateTimeSettingsModelC::getDateFormatText(iFormat);
        QCOMPARE(lstTexts, QStringList({"dd.mm.yyyy", "mm.dd.yyyy", "yyyy.mm.dd"}));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QCOMPARE(DateTimeSettingsModelC::getDateFormatText(4), QStringLiteral("----"));
        QCOMPARE(KestraTest::assertTexts(), QStringList({"false"}));
    }

    void graphOutsideItsTable()
    {
        KTX::APP::DateTimeSettingsApplicationC oApplication;
        QCOMPARE(oApplication.getNextStateId(3, V40::APP::s_iExitCodeSuccess), -2);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"Unknown state."}));
        QCOMPARE(oApplication.getNextStateId(0, V40::APP::lastExitCode() + 1), -1);
    }

private:
    KestraTest::GuiPlatformC m_oPlatform;
    int m_iDateTimeDigit = 0;
};

KESTRA_TEST_MAIN(DateTimeSettingsApplicationTest)
#include "tst_KTX_APP_DateTimeSettingsApplication.moc"
