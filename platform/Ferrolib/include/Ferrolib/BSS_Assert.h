#pragma once
// Assertion report of the platform: records the violated condition and returns.
#include <QList>
#include <QString>

namespace BSS {

// The report is written to the trace as "ASSERT <source>(<line>): <text>" and kept for tests.
void assertReport(const char* strCondition, int iReserved1, int iReserved2, const char* strSource,
                  int iLine);

namespace TEST {

struct AssertReportS
{
    QString strCondition;
    QString strSource;
    int iLine = 0;
};

QList<AssertReportS> assertReports();
QStringList assertTexts();
void clearAssertReports();

} // namespace TEST
} // namespace BSS

// Reports when the condition does not hold; the caller decides how to go on.
#define BSS_ASSERT_REPORT(text, source, line) ::BSS::assertReport((text), 0, 0, (source), (line))
