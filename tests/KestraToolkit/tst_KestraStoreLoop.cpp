// Power cuts during every kind of store: a process that stores over and over is killed with
// SIGKILL at random moments, and what it stored must read back whole, the old or the new
// content, never half of one. KESTRA_KILLS sets the kills per kind (RELIABILITY.md).
#include "KestraProcess.h"
#include "KestraTest.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

class KestraStoreLoopTest : public QObject
{
    Q_OBJECT

private slots:
    void killedDuringStoresKeepsWholeRecords_data()
    {
        QTest::addColumn<QString>("strKind");
        for (const char* szKind : {"unit", "atmospheric", "serial", "refraction", "laserplummet", "calibration", "clock", "language", "firmware"})
            QTest::newRow(szKind) << QString::fromLatin1(szKind);
    }

    void killedDuringStoresKeepsWholeRecords()
    {
        QFETCH(QString, strKind);
        const int iKills = qEnvironmentVariableIsSet("KESTRA_KILLS") ? qEnvironmentVariableIntValue("KESTRA_KILLS") : 10;
        const QString strLoop = KestraTest::binDir() + "/KestraStoreLoop";
        const QStringList lstArguments{strKind, KestraTest::binDir() + "/KestraToolkit_de_DE.qm"};
        QTemporaryDir oRoot;
        QMap<QString, int> mapOutcomes;
        for (int iKill = 0; iKill < iKills; ++iKill) {
            KestraTest::ProgramC oLoop(oRoot.path(), strLoop);
            oLoop.setEnvironment(QStringLiteral("KESTRA_TRACE"), QString());
            oLoop.setEnvironment(QStringLiteral("KESTRA_PLATFORM_KIND"), QStringLiteral("1"));
            QVERIFY(oLoop.start(lstArguments));
            // A store flushes to the device, which a busy disk makes slow.
            QVERIFY2(oLoop.waitForText("stored\n", 60000), qPrintable(oLoop.output()));
            QThread::usleep(QRandomGenerator::global()->bounded(30000));
            QVERIFY(::kill(pid_t(oLoop.pid()), SIGKILL) == 0);
            QVERIFY(oLoop.waitForFinished());
            QVERIFY2(oLoop.crashed(), qPrintable(oLoop.output()));

            KestraTest::ProgramC oCheck(oRoot.path(), strLoop);
            oCheck.setEnvironment(QStringLiteral("KESTRA_TRACE"), QString());
            oCheck.setEnvironment(QStringLiteral("KESTRA_PLATFORM_KIND"), QStringLiteral("1"));
            QVERIFY(oCheck.start(QStringList{"--check"} + lstArguments));
            QVERIFY(oCheck.waitForFinished(60000));
            QVERIFY2(oCheck.exitCode() == 0, qPrintable(QStringLiteral("after kill %1: %2").arg(iKill).arg(oCheck.output())));
            ++mapOutcomes[oCheck.output().trimmed()];
        }
        QStringList lstOutcomes;
        for (auto it = mapOutcomes.cbegin(); it != mapOutcomes.cend(); ++it)
            lstOutcomes << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
        qInfo("%s: %d kills, %s", qPrintable(strKind), iKills, qPrintable(lstOutcomes.join(", ")));
    }
};

KESTRA_TEST_MAIN(KestraStoreLoopTest)
#include "tst_KestraStoreLoop.moc"
