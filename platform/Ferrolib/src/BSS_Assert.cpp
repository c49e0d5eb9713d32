#include "Ferrolib/BSS_Assert.h"

#include "Ferrolib/BSS_Trace.h"

#include <mutex>

namespace BSS {

namespace {
constexpr int kMaxKeptReports = 1000;

std::mutex& reportMutex()
{
    static std::mutex s_oMutex;
    return s_oMutex;
}

QList<TEST::AssertReportS>& reportList()
{
    static QList<TEST::AssertReportS> s_lstReports;
    return s_lstReports;
}
} // namespace

void assertReport(const char* strCondition, int, int, const char* strSource, int iLine)
{
    TEST::AssertReportS oReport;
    oReport.strCondition = QString::fromLocal8Bit(strCondition ? strCondition : "");
    oReport.strSource = QString::fromLocal8Bit(strSource ? strSource : "");
    oReport.iLine = iLine;
    {
        std::unique_lock<std::mutex> oLock(reportMutex());
        reportList().append(oReport);
        if (reportList().size() > kMaxKeptReports)
            reportList().removeFirst();
    }
    // Reads "ASSERT <source>(<line>): <text>" in the log.
    traceLine(QStringLiteral("ASSERT %1(%2)").arg(oReport.strSource).arg(iLine), oReport.strCondition);
}

namespace TEST {

QList<AssertReportS> assertReports()
{
    std::unique_lock<std::mutex> oLock(reportMutex());
    return reportList();
}

QStringList assertTexts()
{
    QStringList lstTexts;
    for (const AssertReportS& rReport : assertReports())
        lstTexts << rReport.strCondition;
    return lstTexts;
}

void clearAssertReports()
{
    std::unique_lock<std::mutex> oLock(reportMutex());
    reportList().clear();
}

} // namespace TEST
} // namespace BSS
