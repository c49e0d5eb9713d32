#include "KestraTest.h"

#include "Pelletlib/CNV_DateTime.h"

#include <QDate>

#include <cmath>
#include <limits>

namespace {

CNV::DateTimeS fields(int iYear, int iMonth, int iDay, int iHour = 0, int iMinute = 0, int iSecond = 0)
{
    CNV::DateTimeS sFields;
    sFields.iYear = iYear;
    sFields.iMonth = iMonth;
    sFields.iDay = iDay;
    sFields.iHour = iHour;
    sFields.iMinute = iMinute;
    sFields.iSecond = iSecond;
    return sFields;
}

QString text(const CNV::DateTimeS& rsFields)
{
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", rsFields.iYear, rsFields.iMonth,
                             rsFields.iDay, rsFields.iHour, rsFields.iMinute, rsFields.iSecond);
}

bool operator==(const CNV::DateTimeS& rsLeft, const CNV::DateTimeS& rsRight)
{
    return rsLeft.iYear == rsRight.iYear && rsLeft.iMonth == rsRight.iMonth
           && rsLeft.iDay == rsRight.iDay && rsLeft.iHour == rsRight.iHour
           && rsLeft.iMinute == rsRight.iMinute && rsLeft.iSecond == rsRight.iSecond;
}

QString splitText(double dDateTime)
{
    CNV::DateTimeS sFields = fields(1, 1, 1);
    return CNV::splitDateTime(dDateTime, sFields) ? text(sFields) : QStringLiteral("failed");
}

} // namespace

class TestDateTime : public QObject
{
    Q_OBJECT

private slots:
    void knownNumbers_data();
    void knownNumbers();
    void everyDayOfYears1000To9999();
    void secondBoundaries_data();
    void secondBoundaries();
    void joinCarriesOver_data();
    void joinCarriesOver();
    void unusableNumbers_data();
    void unusableNumbers();
};

// Days since 2000-01-01 00:00:00; reference values computed independently.
void TestDateTime::knownNumbers_data()
{
    QTest::addColumn<double>("dDateTime");
    QTest::addColumn<QString>("strText");

    QTest::newRow("epoch") << 0.0 << "2000-01-01 00:00:00";
    QTest::newRow("noon of the epoch") << 0.5 << "2000-01-01 12:00:00";
    QTest::newRow("before the epoch") << -0.25 << "1999-12-31 18:00:00";
    QTest::newRow("leap day") << 8825.524259259259 << "2024-02-29 12:34:56";
    QTest::newRow("first day of 1000") << -365242.0 << "1000-01-01 00:00:00";
    QTest::newRow("last second of 9999") << 2921939.999988426 << "9999-12-31 23:59:59";
    QTest::newRow("1900 has no leap day") << -36465.0 << "1900-03-01 00:00:00";
}

void TestDateTime::knownNumbers()
{
    QFETCH(double, dDateTime);
    QFETCH(QString, strText);
    QCOMPARE(splitText(dDateTime), strText);
    const QDateTime oExpected = QDateTime::fromString(strText, "yyyy-MM-dd HH:mm:ss");
    const double dJoined = CNV::joinDateTime(fields(oExpected.date().year(), oExpected.date().month(),
                                                    oExpected.date().day(), oExpected.time().hour(),
                                                    oExpected.time().minute(), oExpected.time().second()));
    QVERIFY(std::fabs(dJoined - dDateTime) < 1e-9);
}

// Against Qt's own calendar, every day at its first and last second.
void TestDateTime::everyDayOfYears1000To9999()
{
    const QDate oEpoch(2000, 1, 1);
    for (QDate oDate(1000, 1, 1); oDate.year() <= 9999; oDate = oDate.addDays(1)) {
        const CNV::DateTimeS sMidnight = fields(oDate.year(), oDate.month(), oDate.day());
        const double dMidnight = CNV::joinDateTime(sMidnight);
        if (dMidnight != double(oEpoch.daysTo(oDate)))
            QFAIL(qPrintable(oDate.toString(Qt::ISODate)));
        const CNV::DateTimeS sLast = fields(oDate.year(), oDate.month(), oDate.day(), 23, 59, 59);
        CNV::DateTimeS sSplit;
        if (!CNV::splitDateTime(CNV::joinDateTime(sLast), sSplit) || !(sSplit == sLast))
            QFAIL(qPrintable(text(sLast) + " came back as " + text(sSplit)));
        if (!CNV::splitDateTime(dMidnight, sSplit) || !(sSplit == sMidnight))
            QFAIL(qPrintable(text(sMidnight) + " came back as " + text(sSplit)));
    }
}

// Numbers a little off a whole second (as arithmetic on them leaves them) split to the nearest.
void TestDateTime::secondBoundaries_data()
{
    QTest::addColumn<double>("dDateTime");
    QTest::addColumn<QString>("strText");
    const double dSecond = 1.0 / 86400.0;
    const double dDay = CNV::joinDateTime(fields(2024, 2, 29));
    const double dOld = CNV::joinDateTime(fields(1000, 3, 1));

    QTest::newRow("0.6 s after midnight") << dDay + 0.6 * dSecond << "2024-02-29 00:00:01";
    QTest::newRow("0.4 s before midnight") << dDay - 0.4 * dSecond << "2024-02-29 00:00:00";
    QTest::newRow("0.6 s before midnight") << dDay - 0.6 * dSecond << "2024-02-28 23:59:59";
    QTest::newRow("0.6 s before midnight, before the epoch")
        << dOld - 0.6 * dSecond << "1000-02-28 23:59:59";
    QTest::newRow("sum of 86400 seconds") << [=] {
        double dSum = dDay;
        for (int i = 0; i < 86400; ++i)
            dSum += dSecond;
        return dSum;
    }() << "2024-03-01 00:00:00";
}

void TestDateTime::secondBoundaries()
{
    QFETCH(double, dDateTime);
    QTEST(splitText(dDateTime), "strText");
}

void TestDateTime::joinCarriesOver_data()
{
    QTest::addColumn<int>("iYear");
    QTest::addColumn<int>("iMonth");
    QTest::addColumn<int>("iDay");
    QTest::addColumn<int>("iHour");
    QTest::addColumn<QString>("strText");

    QTest::newRow("month 13") << 2023 << 13 << 1 << 0 << "2024-01-01 00:00:00";
    QTest::newRow("day 0") << 2024 << 3 << 0 << 0 << "2024-02-29 00:00:00";
    QTest::newRow("hour 24") << 2023 << 12 << 31 << 24 << "2024-01-01 00:00:00";
}

void TestDateTime::joinCarriesOver()
{
    QFETCH(int, iYear);
    QFETCH(int, iMonth);
    QFETCH(int, iDay);
    QFETCH(int, iHour);
    QTEST(splitText(CNV::joinDateTime(fields(iYear, iMonth, iDay, iHour))), "strText");
}

void TestDateTime::unusableNumbers_data()
{
    QTest::addColumn<double>("dDateTime");
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("far future") << 1e12;
    QTest::newRow("far past") << -1e12;
}

void TestDateTime::unusableNumbers()
{
    QFETCH(double, dDateTime);
    QCOMPARE(splitText(dDateTime), QStringLiteral("failed"));
}

KESTRA_TEST_MAIN(TestDateTime)
#include "tst_CNV_DateTime.moc"
