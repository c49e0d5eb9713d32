// The platform log: lines stamped with the local time, and bounded: past its size the log is
// kept as the one before and a new one begins.
#include "KestraTest.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_TraceLog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr qint64 kMaxLogBytes = 1024 * 1024;

QByteArray lastLine(const QString& strPath)
{
    QFile oFile(strPath);
    if (!oFile.open(QIODevice::ReadOnly))
        return QByteArray();
    QList<QByteArray> lstLines = oFile.readAll().split('\n');
    while (!lstLines.isEmpty() && lstLines.last().isEmpty())
        lstLines.removeLast();
    return lstLines.isEmpty() ? QByteArray() : lstLines.last();
}

} // namespace

class TraceLogTest : public QObject
{
    Q_OBJECT

private slots:
    void linesAreStampedWithTheLocalTime()
    {
        const QDateTime oBefore = QDateTime::currentDateTime().addMSecs(-1);
        VSIM::traceLine("Test", "a line\n");
        const QDateTime oAfter = QDateTime::currentDateTime().addMSecs(1);
        const QString strLine = QString::fromUtf8(lastLine(VSIM::simDataDir() + "/Logs/trace.log"));
        const QRegularExpressionMatch oMatch =
            QRegularExpression("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}) Test: a line$").match(strLine);
        QVERIFY2(oMatch.hasMatch(), qPrintable(strLine));
        const QDateTime oStamp = QDateTime::fromString(oMatch.captured(1), Qt::ISODateWithMs);
        QVERIFY2(oStamp >= oBefore && oStamp <= oAfter, qPrintable(oMatch.captured(1)));
    }

    void theLogIsBounded()
    {
        const QString strPath = VSIM::simDataDir() + "/Logs/trace.log";
        const QString strLine(200, QLatin1Char('x'));
        for (int i = 0; i < 2 * kMaxLogBytes / strLine.size() + 100; ++i)
            VSIM::traceLine("Test", strLine + QString::number(i));
        VSIM::traceLine("Test", "the last");
        QVERIFY(QFile::exists(strPath + ".1"));
        for (const QString& strFile : {strPath, strPath + ".1"}) {
            const qint64 iSize = QFileInfo(strFile).size();
            QVERIFY2(iSize > 0 && iSize <= kMaxLogBytes, qPrintable(QString("%1: %2").arg(strFile).arg(iSize)));
        }
        // Nearly full before it was kept, and the newest lines in the new one.
        QVERIFY(QFileInfo(strPath + ".1").size() > kMaxLogBytes - 300);
        QVERIFY(lastLine(strPath).endsWith("Test: the last"));
    }
};

KESTRA_TEST_MAIN(TraceLogTest)
#include "tst_VSIM_TraceLog.moc"
