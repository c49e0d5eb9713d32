// The unit field: the internal value shown in the display unit with its unit text and mask;
// typed values go back in the internal unit, rejected ones beep and give the model value back.
#include "KestraTest.h"
#include "FieldTestSupport.h"

#include "KTX/GUI/KTX_GUI_DateValidator.h"
#include "KTX/GUI/KTX_GUI_UnitValueModel.h"
#include "KTX/GUI/KTX_GUI_UnitWidget.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

using KTX::GUI::UnitWidgetC;
using namespace KTX::UTI;

namespace {
int s_iBeeps = 0;
constexpr double kPi = 3.141592653589793;
constexpr double kUsFoot = 1200.0 / 3937.0;
constexpr double kDegree = kPi / 180.0;
} // namespace

class TestUnitWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { V40::GUI::AbstractValueWidgetC::setBeepHook([] { ++s_iBeeps; }); }
    void init()
    {
        KestraTest::clearReports();
        s_iBeeps = 0;
    }
    void cleanup() { QCOMPARE(KestraTest::assertTexts(), QStringList()); }

    void showsTheDisplayUnit_data()
    {
        QTest::addColumn<int>("iQuantity");
        QTest::addColumn<int>("iUnit");
        QTest::addColumn<QVariant>("varValue");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<QString>("strUnitText");
        QTest::addColumn<QString>("strMask");
        QTest::newRow("metres") << int(Q_Distance) << 1 << QVariant(1.5) << "1.50" << "m" << "";
        QTest::newRow("feet, inches, sixteenths")
            << int(Q_Distance) << 4 << QVariant(-2.25 * kUsFoot) << "-2'03\"00" << "/16\"" << "";
        QTest::newRow("seconds are cut") << int(Q_Angle) << 2 << QVariant(-(12.5 + 15.5 / 3600.0) * kDegree)
                                         << "-012\u00B030\u203215\u2033" << "" << "";
        QTest::newRow("no value") << int(Q_Pressure) << 4 << QVariant() << "----" << "hPa" << "";
        QTest::newRow("time") << int(Q_Time) << 0 << QVariant(TimeC(8, 5, 0).toDateTime()) << "08:05:00" << ""
                              << "00:00:00";
        QTest::newRow("date, year first") << int(Q_Date) << 3 << QVariant(DateC(2000, 1, 1).toDateTime())
                                          << "2000.01.01" << "" << "0000.00.00";
    }

    void showsTheDisplayUnit()
    {
        QFETCH(int, iQuantity);
        QFETCH(int, iUnit);
        QFETCH(QVariant, varValue);
        UnitWidgetC oField(iQuantity, iUnit, -1000.0, 1000.0, 2);
        oField.getModel()->setAcceptInvalid(true);
        oField.getModel()->setValue(varValue);
        QTEST(oField.getLineEdit()->text(), "strShown");
        QTEST(oField.getUnitText(), "strUnitText");
        QTEST(oField.getInputMask(), "strMask");
    }

    void commit_data()
    {
        // Distances from -10 to 10 m with 3 decimals.
        QTest::addColumn<int>("iQuantity");
        QTest::addColumn<int>("iUnit");
        QTest::addColumn<double>("dInitial");
        QTest::addColumn<QString>("strKeys");
        QTest::addColumn<double>("dModel");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<int>("iBeeps");
        QTest::addColumn<QStringList>("lstReports");
        const double dTime = TimeC(8, 5, 0).toDateTime();
        const double dDate = DateC(2024, 1, 1).toDateTime();
        QTest::newRow("metres") << int(Q_Distance) << 1 << 1.0 << "2.5" << 2.5 << "2.500" << 0 << QStringList();
        QTest::newRow("feet, inches, sixteenths by mark keys") << int(Q_Distance) << 4 << 0.0 << "5.3,7"
            << (5.0 + 3.0 / 12.0 + 7.0 / 192.0) * kUsFoot << "5'03\"07" << 0 << QStringList();
        QTest::newRow("feet with a leading zero") << int(Q_Distance) << 4 << 0.0 << "07" << 7.0 * kUsFoot
                                                  << "7'00\"00" << 0 << QStringList();
        QTest::newRow("degrees and minutes") << int(Q_Angle) << 2 << 0.0 << "12\u00B030\u2032" << 12.5 * kDegree
                                             << "012\u00B030\u203200\u2033" << 0 << QStringList();
        QTest::newRow("60 minutes are refused while typed") << int(Q_Angle) << 2 << 0.0 << "12\u00B060\u2032"
            << 12.1 * kDegree << "012\u00B006\u203200\u2033" << 1 << QStringList();
        QTest::newRow("degrees, minutes, seconds by mark keys") << int(Q_Angle) << 2 << 0.0 << "123.30,15 "
            << (123.0 + 30.0 / 60.0 + 15.0 / 3600.0) * kDegree << "123\u00B030\u203215\u2033" << 0 << QStringList();
        QTest::newRow("a plain number is degrees") << int(Q_Angle) << 2 << 0.0 << "45" << 45.0 * kDegree
                                                   << "045\u00B000\u203200\u2033" << 0 << QStringList();
        QTest::newRow("a fourth mark is refused") << int(Q_Angle) << 2 << 0.0 << "1.2.3.." << (1.0 + 2.0 / 60 + 3.0 / 3600) * kDegree
                                                  << "001\u00B002\u203203\u2033" << 1 << QStringList();
        QTest::newRow("time") << int(Q_Time) << 0 << dTime << "123456" << TimeC(12, 34, 56).toDateTime()
                              << "12:34:56" << 0 << QStringList();
        QTest::newRow("hour 25") << int(Q_Time) << 0 << dTime << "25" << dTime << "08:05:00" << 1 << QStringList();
        QTest::newRow("29.02.2000") << int(Q_Date) << 1 << dDate << "29022000" << DateC(2000, 2, 29).toDateTime()
                                    << "29.02.2000" << 0 << QStringList();
        QTest::newRow("29.02.1900") << int(Q_Date) << 1 << dDate << "29021900" << dDate << "01.01.2024" << 1
                                    << QStringList();
    }

    void commit()
    {
        QFETCH(int, iQuantity);
        QFETCH(int, iUnit);
        QFETCH(double, dInitial);
        QFETCH(QString, strKeys);
        QFETCH(double, dModel);
        QWidget oWindow;
        auto* pField = new UnitWidgetC(iQuantity, iUnit, -10.0, 10.0, 3);
        pField->getModel()->reset(dInitial, 0.0);
        auto* pLayout = new QVBoxLayout(&oWindow);
        pLayout->addWidget(pField);
        pLayout->addWidget(new UnitWidgetC(Q_Time, QVariant()));
        QVERIFY(FieldTest::showActive(oWindow));
        pField->setFocus();
        // The marks have no key: they come as text.
        for (const QChar cKey : strKeys)
            QTest::sendKeyEvent(QTest::Click, pField, Qt::Key_unknown, QString(cKey), Qt::NoModifier);
        QTest::keyClick(pField, Qt::Key_Return);

        QVERIFY(!pField->hasFocus());
        QCOMPARE(pField->getValue().userType(), int(QMetaType::Double));
        QVERIFY2(qAbs(pField->getValue().toDouble() - dModel) < 1e-9, qPrintable(pField->getValue().toString()));
        QTEST(pField->getLineEdit()->text(), "strShown");
        QTEST(s_iBeeps, "iBeeps");
        QTEST(KestraTest::assertTexts(), "lstReports");
        KestraTest::clearReports();
    }

    void dateFollowsTheDateFormat()
    {
        UnitWidgetC oField(Q_Date, DateC::DF_DayMonthYear);
        oField.getModel()->reset(DateC(2003, 2, 1).toDateTime(), 0.0);
        QSignalSpy oUnitChanged(oField.getModel(), SIGNAL(unitDisplayInfoChanged()));
        for (int iRepeat = 0; iRepeat < 2; ++iRepeat)
            oField.setUnit(DateC::DF_YearMonthDay);
        QCOMPARE(oUnitChanged.count(), 1);
        QCOMPARE(oField.getLineEdit()->text(), QStringLiteral("2003.02.01"));
        QCOMPARE(oField.getInputMask(), QStringLiteral("0000.00.00"));
        auto* pValidator = qobject_cast<const KTX::GUI::DateValidatorC*>(oField.getValidator());
        QVERIFY(pValidator && pValidator->getDateFormat() == DateC::DF_YearMonthDay);
    }

    void dateAndTimeValidators_data()
    {
        // What the masked editors hold: unfilled places are spaces. Never Invalid.
        QTest::addColumn<int>("iQuantity");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<int>("iState");
        QTest::newRow("time, places open") << int(Q_Time) << " 8: 5:  " << int(QValidator::Acceptable);
        QTest::newRow("hour 24") << int(Q_Time) << "24:00:00" << int(QValidator::Intermediate);
        QTest::newRow("29.02.1900") << int(Q_Date) << "29.02.1900" << int(QValidator::Intermediate);
        QTest::newRow("31.02.2024") << int(Q_Date) << "31.02.2024" << int(QValidator::Intermediate);
    }

    void dateAndTimeValidators()
    {
        QFETCH(int, iQuantity);
        QFETCH(QString, strText);
        UnitWidgetC oField(iQuantity, DateC::DF_DayMonthYear);
        QString strInput = strText;
        int iPos = 3;
        QTEST(int(oField.getValidator()->validate(strInput, iPos)), "iState");
        // Only read: a changed text would no longer match what the mask shows.
        QCOMPARE(strInput, strText);
        QCOMPARE(iPos, 3);
    }

    void fieldsCreatedAfterAUnitChangeUseTheNewUnit()
    {
        // As an application does it: each field gets the unit the configuration holds.
        UnitConfigC oConfig;
        oConfig.load();
        oConfig.setDistanceUnit(DU_UsSurveyFoot);
        QVERIFY(oConfig.save());
        UnitConfigC oLoaded;
        oLoaded.load();
        UnitWidgetC oField(Q_Distance, oLoaded.getDistanceUnit(), -100.0, 100.0, 2);
        oField.getModel()->reset(10.0 * kUsFoot, 0.0);
        QCOMPARE(oField.getLineEdit()->text(), QStringLiteral("10.00"));
        QCOMPARE(oField.getUnitText(), QStringLiteral("ft"));
    }
};

KESTRA_TEST_MAIN(TestUnitWidget)
#include "tst_KTX_GUI_UnitWidget.moc"
