// KestraBench: the toolkit side by side with a bare Qt window, in paired runs of one invocation.
// Every figure is printed beside the baseline's with the ratio. See bench/README.md.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include "KBN_DamageWatch.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <ctime>

namespace {

qint64 nowNs()
{
    timespec oNow;
    clock_gettime(CLOCK_MONOTONIC, &oNow);
    return qint64(oNow.tv_sec) * 1000000000 + oNow.tv_nsec;
}

// One step of a key script: the name of the screen change and the key that makes it.
struct StepS
{
    QString strLabel;
    QString strKey;
};

struct RunS
{
    bool bOk = false;
    double dFrameMs = 0;
    QMap<QString, double> mapKeyMs;
    double dWakeupsPerSecond = 0;
    double dCpuPercent = 0;
    double dPeakMiB = 0;
    double dIdleMiB = 0;
    double dStopMs = 0;
};

// Context switches of all threads (each wake-up ends in one) and CPU ticks of the process.
struct ProcStatS
{
    qint64 iSwitches = 0;
    qint64 iTicks = 0;
};

ProcStatS procStat(qint64 iPid)
{
    ProcStatS oStat;
    const QString strProc = QStringLiteral("/proc/%1").arg(iPid);
    for (const QString& strTask : QDir(strProc + "/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile oStatus(strProc + "/task/" + strTask + "/status");
        if (!oStatus.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& baLine : oStatus.readAll().split('\n')) {
            if (baLine.contains("ctxt_switches"))
                oStat.iSwitches += baLine.split(':').value(1).trimmed().toLongLong();
        }
    }
    QFile oStatFile(strProc + "/stat");
    if (oStatFile.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lstFields = oStatFile.readAll().split(')').value(1).trimmed().split(' ');
        oStat.iTicks = lstFields.value(11).toLongLong() + lstFields.value(12).toLongLong(); // utime, stime
    }
    return oStat;
}

double statusMiB(qint64 iPid, const char* szField)
{
    QFile oStatus(QStringLiteral("/proc/%1/status").arg(iPid));
    if (!oStatus.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& baLine : oStatus.readAll().split('\n')) {
        if (baLine.startsWith(szField))
            return baLine.split(':').value(1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

class RunnerC
{
public:
    // With strPanel, the instrument panel runs on the toolkit's root beside every toolkit run,
    // offscreen, so that its frames do not count as the toolkit's on X; it has the same work
    // there (settings watcher, controls) as beside a toolkit on screen.
    RunnerC(const QString& strProbe, const QString& strPlatform, const QString& strToolkit = QString(),
            const QString& strPanel = QString())
        : m_strProbe(strProbe)
        , m_strPlatform(strPlatform)
        , m_strToolkit(strToolkit)
        , m_strPanel(strPanel)
    {
        if (strPlatform == QLatin1String("xcb")) {
            m_pDamage.reset(new DamageWatchC);
            if (!m_pDamage->isValid())
                m_pDamage.reset();
        }
    }

    // On X the frames are timed by the server's damage reports, elsewhere by the probe.
    bool timedByServer() const { return m_pDamage != nullptr; }

    // Starts the program on the simulated instrument in strRoot, waits for its first frame, types
    // the steps, stays idle for iIdleSeconds, then stops it with SIGTERM.
    RunS run(const QString& strProgram, const QList<StepS>& lstSteps, int iIdleSeconds, const QString& strRoot)
    {
        RunS oRun;
        QProcess oProcess;
        QProcessEnvironment oEnv = QProcessEnvironment::systemEnvironment();
        QStringList lstKeys;
        for (const StepS& rStep : lstSteps)
            lstKeys << rStep.strKey;
        oEnv.insert("KESTRA_SIM_ROOT", strRoot);
        QProcess oPanel;
        if (!m_strPanel.isEmpty() && strProgram == m_strToolkit) {
            QProcessEnvironment oPanelEnv = oEnv;
            oPanelEnv.insert("QT_QPA_PLATFORM", "offscreen");
            oPanel.setProcessEnvironment(oPanelEnv);
            oPanel.setStandardOutputFile(QProcess::nullDevice());
            oPanel.setStandardErrorFile(QProcess::nullDevice());
            oPanel.start(m_strPanel, QStringList());
            // Up and watching the settings before the toolkit starts.
            if (!oPanel.waitForStarted(5000))
                return oRun;
            QThread::msleep(300);
        }
        oEnv.insert("QT_QPA_PLATFORM", m_strPlatform);
        oEnv.insert("LD_PRELOAD", m_strProbe);
        oEnv.insert("KBN_KEYS", lstKeys.join(','));
        oEnv.remove("KESTRA_TRACE");
        const qint64 iT0 = nowNs();
        oEnv.insert("KBN_T0_NS", QString::number(iT0));
        oProcess.setProcessEnvironment(oEnv);
        oProcess.setProcessChannelMode(QProcess::SeparateChannels);
        oProcess.setStandardOutputFile(QProcess::nullDevice());

        QEventLoop oLoop;
        QByteArray baPending;
        QList<qint64> lstSentNs;
        int iStep = 0;
        bool bDone = false;
        QObject::connect(&oProcess, &QProcess::readyReadStandardError, [&] {
            baPending += oProcess.readAllStandardError();
            int iEnd;
            while ((iEnd = baPending.indexOf('\n')) >= 0) {
                const QList<QByteArray> lstWords = baPending.left(iEnd).split(' ');
                baPending.remove(0, iEnd + 1);
                if (lstWords.value(0) != "KBN")
                    continue;
                if (lstWords.value(1) == "frame") {
                    oRun.dFrameMs = lstWords.value(2).toDouble();
                } else if (lstWords.value(1) == "sent") {
                    lstSentNs << lstWords.value(2).toLongLong();
                } else if (lstWords.value(1) == "key" && iStep < lstSteps.size()) {
                    if (lstWords.value(3) != "none")
                        oRun.mapKeyMs.insert(lstSteps.at(iStep).strLabel, lstWords.value(3).toDouble());
                    ++iStep;
                } else if (lstWords.value(1) == "done") {
                    bDone = true;
                    oLoop.quit();
                }
            }
        });
        QObject::connect(&oProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &oLoop,
                         &QEventLoop::quit);
        QTimer::singleShot(30000, &oLoop, &QEventLoop::quit);
        oProcess.start(strProgram, QStringList());
        oLoop.exec();
        if (!bDone || oProcess.state() != QProcess::Running) {
            oProcess.kill();
            oProcess.waitForFinished();
            return oRun;
        }

        if (m_pDamage) {
            m_pDamage->drain();
            oRun.dFrameMs = m_pDamage->firstDamageSince(iT0) > 0 ? (m_pDamage->firstDamageSince(iT0) - iT0) / 1e6 : 0;
            oRun.mapKeyMs.clear();
            for (int i = 0; i < lstSentNs.size() && i < lstSteps.size(); ++i) {
                const qint64 iDamage = m_pDamage->firstDamageSince(lstSentNs.at(i));
                const qint64 iNext = i + 1 < lstSentNs.size() ? lstSentNs.at(i + 1) : LLONG_MAX;
                if (iDamage > 0 && iDamage < iNext)
                    oRun.mapKeyMs.insert(lstSteps.at(i).strLabel, (iDamage - lstSentNs.at(i)) / 1e6);
            }
        }

        const qint64 iPid = oProcess.processId();
        const ProcStatS oBefore = procStat(iPid);
        QElapsedTimer oIdle;
        oIdle.start();
        QThread::msleep(ulong(iIdleSeconds) * 1000);
        const ProcStatS oAfter = procStat(iPid);
        const double dSeconds = oIdle.elapsed() / 1000.0;
        if (iIdleSeconds > 0) {
            oRun.dWakeupsPerSecond = (oAfter.iSwitches - oBefore.iSwitches) / dSeconds;
            oRun.dCpuPercent = 100.0 * (oAfter.iTicks - oBefore.iTicks) / double(sysconf(_SC_CLK_TCK)) / dSeconds;
        }
        oRun.dIdleMiB = statusMiB(iPid, "VmRSS");
        oRun.dPeakMiB = statusMiB(iPid, "VmHWM");

        const qint64 iStop = nowNs();
        ::kill(pid_t(iPid), SIGTERM);
        oProcess.waitForFinished(10000);
        oRun.dStopMs = (nowNs() - iStop) / 1e6;
        oRun.bOk = oProcess.exitStatus() == QProcess::NormalExit && oProcess.exitCode() == 0;
        if (oPanel.state() != QProcess::NotRunning) {
            oPanel.terminate();
            oPanel.waitForFinished(5000);
        }
        return oRun;
    }

private:
    QString m_strProbe;
    QString m_strPlatform;
    QString m_strToolkit;
    QString m_strPanel;
    QScopedPointer<DamageWatchC> m_pDamage;
};

double percentile(QList<double> lstValues, double dShare)
{
    if (lstValues.isEmpty())
        return 0;
    std::sort(lstValues.begin(), lstValues.end());
    const int iIndex = std::min(int(lstValues.size()) - 1, int(dShare * (lstValues.size() - 1) + 0.5));
    return lstValues.at(iIndex);
}

QTextStream& out()
{
    static QTextStream s_oOut(stdout);
    return s_oOut;
}

void row(const QString& strWhat, double dToolkit, double dBaseline, const QString& strUnit, int iDecimals = 1)
{
    const QString strRatio = dBaseline > 0 ? QString::number(dToolkit / dBaseline, 'f', 2) : QStringLiteral("-");
    out() << "| " << strWhat << " | " << QString::number(dToolkit, 'f', iDecimals) << ' ' << strUnit << " | "
          << QString::number(dBaseline, 'f', iDecimals) << ' ' << strUnit << " | " << strRatio << " |\n";
    out().flush();
}

QList<StepS> parseSteps(const QString& strSteps)
{
    QList<StepS> lstSteps;
    for (const QString& strStep : strSteps.split(';', Qt::SkipEmptyParts)) {
        const int iEquals = strStep.lastIndexOf('=');
        lstSteps << StepS{strStep.left(iEquals).trimmed(), strStep.mid(iEquals + 1).trimmed()};
    }
    return lstSteps;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication oApp(argc, argv);
    QCommandLineParser oParser;
    oParser.setApplicationDescription("The toolkit side by side with a bare Qt window.");
    oParser.addHelpOption();
    const QCommandLineOption oBin("bin", "Folder of the toolkit and the bench programs.", "dir");
    const QCommandLineOption oRuns("runs", "Paired runs (default 21).", "n", "21");
    const QCommandLineOption oIdle("idle", "Seconds of each idle measurement (default 10).", "s", "10");
    const QCommandLineOption oPlatforms("platforms", "Qt platforms to measure (default offscreen,xcb).", "list",
                                        "offscreen,xcb");
    const QCommandLineOption oSteps("steps", "Key steps: 'A>B=key;...'.", "steps");
    const QCommandLineOption oPanelKeys("panel", "Keys from the main menu to the panel measured at idle.", "keys", "3,1");
    const QCommandLineOption oInstrumentPanel("with-instrument-panel",
                                              "The instrument panel runs beside every toolkit run.");
    oParser.addOptions({oBin, oRuns, oIdle, oPlatforms, oSteps, oPanelKeys, oInstrumentPanel});
    oParser.process(oApp);
    const QString strBin = oParser.value(oBin);
    const QString strToolkit = strBin + "/KestraToolkit";
    const QString strBaseline = strBin + "/KestraBareWindow";
    const QString strProbe = strBin + "/libKestraPaintProbe.so";
    const int iRuns = oParser.value(oRuns).toInt();
    const int iIdle = oParser.value(oIdle).toInt();
    const QList<StepS> lstSteps = parseSteps(oParser.value(oSteps));
    QList<StepS> lstBaselineSteps;
    for (const StepS& rStep : lstSteps)
        lstBaselineSteps << StepS{rStep.strLabel, QStringLiteral("Down")};

    out() << "| what | toolkit | bare window | ratio |\n|---|---|---|---|\n";
    for (const QString& strPlatform : oParser.value(oPlatforms).split(',', Qt::SkipEmptyParts)) {
        if (strPlatform == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY"))
            continue;
        RunnerC oRunner(strProbe, strPlatform, strToolkit,
                        oParser.isSet(oInstrumentPanel) ? strBin + "/KestraInstrumentPanel" : QString());
        QList<double> lstFrame[2], lstPeak[2], lstStop[2], lstFirstFrame;
        QMap<QString, QList<double>> mapKeys[2];
        int iFailed = 0;
        for (int iRun = 0; iRun < iRuns; ++iRun) {
            // The first launch on a new instrument sets up its folders and registry; every later
            // one, the operator's daily start, finds them.
            const QTemporaryDir oRoot;
            const RunS oFirst = oRunner.run(strToolkit, {}, 0, oRoot.path());
            const RunS aRuns[2] = {oRunner.run(strToolkit, lstSteps, 0, oRoot.path()),
                                   oRunner.run(strBaseline, lstBaselineSteps, 0, oRoot.path())};
            if (!oFirst.bOk || !aRuns[0].bOk || !aRuns[1].bOk) {
                ++iFailed;
                continue;
            }
            lstFirstFrame << oFirst.dFrameMs;
            for (int i = 0; i < 2; ++i) {
                lstFrame[i] << aRuns[i].dFrameMs;
                lstPeak[i] << aRuns[i].dPeakMiB;
                lstStop[i] << aRuns[i].dStopMs;
                for (auto it = aRuns[i].mapKeyMs.cbegin(); it != aRuns[i].mapKeyMs.cend(); ++it)
                    mapKeys[i][it.key()] << it.value();
            }
        }
        const QString strOn = QStringLiteral(", %1%2").arg(strPlatform, oRunner.timedByServer() ? " (server damage)" : "");
        row("launch to first frame (median)" + strOn, percentile(lstFrame[0], 0.5), percentile(lstFrame[1], 0.5), "ms");
        row("first launch on a new instrument (median)" + strOn, percentile(lstFirstFrame, 0.5),
            percentile(lstFrame[1], 0.5), "ms");
        for (const StepS& rStep : lstSteps) {
            row("key to next screen, " + rStep.strLabel + " (p50)" + strOn, percentile(mapKeys[0][rStep.strLabel], 0.5),
                percentile(mapKeys[1][rStep.strLabel], 0.5), "ms", 2);
            row("key to next screen, " + rStep.strLabel + " (p95)" + strOn, percentile(mapKeys[0][rStep.strLabel], 0.95),
                percentile(mapKeys[1][rStep.strLabel], 0.95), "ms", 2);
        }
        row("peak memory (median)" + strOn, percentile(lstPeak[0], 0.5), percentile(lstPeak[1], 0.5), "MiB");
        row("SIGTERM to process end (median)" + strOn, percentile(lstStop[0], 0.5), percentile(lstStop[1], 0.5), "ms");
        if (iFailed > 0)
            out() << "| runs that failed" << strOn << " | " << iFailed << " | | |\n";

        // Idle: the main menu, and a panel, against the bare window doing nothing.
        const QTemporaryDir oRoot;
        const RunS oMenu = oRunner.run(strToolkit, {}, iIdle, oRoot.path());
        const RunS oPanel = oRunner.run(strToolkit, parseSteps("to panel=" + oParser.value(oPanelKeys).split(',').join(";to panel=")), iIdle, oRoot.path());
        const RunS oBare = oRunner.run(strBaseline, {}, iIdle, oRoot.path());
        row("wake-ups per second, main menu idle" + strOn, oMenu.dWakeupsPerSecond, oBare.dWakeupsPerSecond, "/s", 2);
        row("wake-ups per second, panel idle" + strOn, oPanel.dWakeupsPerSecond, oBare.dWakeupsPerSecond, "/s", 2);
        row("CPU, main menu idle" + strOn, oMenu.dCpuPercent, oBare.dCpuPercent, "%", 3);
        row("CPU, panel idle" + strOn, oPanel.dCpuPercent, oBare.dCpuPercent, "%", 3);
        row("idle memory, main menu" + strOn, oMenu.dIdleMiB, oBare.dIdleMiB, "MiB");
    }
    return 0;
}
