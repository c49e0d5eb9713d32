#include "KestraTest.h"

#include "Marrowlib/CCF_ConfigRecordFile.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using MutationF = std::function<void(QByteArray&)>;

QByteArray fileBytes(const QString& strPath)
{
    QFile oFile(strPath);
    return oFile.open(QIODevice::ReadOnly) ? oFile.readAll() : QByteArray();
}

void putFile(const QString& strPath, const QByteArray& baData)
{
    QFile oFile(strPath);
    QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(oFile.write(baData), qint64(baData.size()));
}

QStringList temporaries(const QString& strOwner = QStringLiteral("*"))
{
    return QDir(CCF::ConfigRecordFileC::recordDir())
        .entryList({"*.tmp-" + strOwner + "-*"}, QDir::Files);
}

using KestraTest::SyncRecorderC;

// What one successful write flushes, in order; empty when it failed.
QStringList flushedByWrite(const CCF::ConfigRecordFileC& rRecord)
{
    SyncRecorderC oRecorder;
    return rRecord.write(1, "first") ? oRecorder.paths() : QStringList();
}

} // namespace

Q_DECLARE_METATYPE(MutationF)

class TestConfigRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void roundTrip_data();
    void roundTrip();
    void missingReadsAsMissing();
    void unusableFileReadsAsMissing_data();
    void unusableFileReadsAsMissing();
    void rejectedWriteKeepsRecord();
    void strayTemporaryOfDeadWriter();
    void leftoversUnderOwnPidNeverFailAStore();
    void writerKilledMidWriteKeepsAWholeRecord();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void storeIsDoneWhenFileAndFoldersAreFlushed();
    void failedFlushFailsTheStore_data();
    void failedFlushFailsTheStore();
    void replacedRecordsAreLetGo();
};

void TestConfigRecordFile::init()
{
    QDir(CCF::ConfigRecordFileC::recordDir()).removeRecursively();
    KestraTest::clearReports();
}

void TestConfigRecordFile::roundTrip_data()
{
    QTest::addColumn<int>("iVersion");
    QTest::addColumn<QByteArray>("baPayload");

    QTest::newRow("empty") << 1 << QByteArray();
    QTest::newRow("text") << 2 << QByteArray("distance unit");
    QTest::newRow("binary with zeros, negative version") << -7 << QByteArray("\0\xff\0\x01", 4);
    QTest::newRow("largest") << 3 << QByteArray(CCF::ConfigRecordFileC::MAX_PAYLOAD_BYTES, 'x');
}

void TestConfigRecordFile::roundTrip()
{
    QFETCH(int, iVersion);
    QFETCH(QByteArray, baPayload);
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    QVERIFY(oRecord.write(99, "older content"));
    QVERIFY(oRecord.write(iVersion, baPayload));
    int iRead = 0;
    QByteArray baRead;
    QVERIFY(oRecord.read(iRead, baRead));
    QCOMPARE(iRead, iVersion);
    QCOMPARE(baRead, baPayload);
    QVERIFY(QFile::exists(KestraTest::simDataDir() + "/Records/CONF_2_1.rec"));
    QVERIFY(temporaries().isEmpty());
}

void TestConfigRecordFile::missingReadsAsMissing()
{
    int iVersion = 5;
    QByteArray baPayload("kept");
    QVERIFY(!CCF::ConfigRecordFileC("CONF", 2, 1).read(iVersion, baPayload));
    QCOMPARE(iVersion, 5);
    QCOMPARE(baPayload, QByteArray("kept"));
    QCOMPARE(KestraTest::traces("Marrowlib"),
             QStringList("Record CONF(2, 1) not present, using defaults"));
}

void TestConfigRecordFile::unusableFileReadsAsMissing_data()
{
    QTest::addColumn<MutationF>("fnMutate");
    QTest::addColumn<QString>("strReason");

    // Offsets: magic 0, revision 4, kind 8, identifiers 12 and 16, version 20, length 24,
    // payload 28, checksum last.
    QTest::newRow("empty file") << MutationF([](QByteArray& rba) { rba.clear(); }) << "truncated";
    QTest::newRow("header cut") << MutationF([](QByteArray& rba) { rba.truncate(10); }) << "truncated";
    QTest::newRow("payload cut") << MutationF([](QByteArray& rba) { rba.chop(6); }) << "truncated";
    QTest::newRow("bytes appended") << MutationF([](QByteArray& rba) { rba.append("zz"); })
                                    << "length mismatch";
    QTest::newRow("payload bit flipped") << MutationF([](QByteArray& rba) { rba[30] = char(rba[30] ^ 4); })
                                         << "checksum mismatch";
    QTest::newRow("version changed") << MutationF([](QByteArray& rba) { rba[20] = char(rba[20] + 1); })
                                     << "checksum mismatch";
    QTest::newRow("checksum changed") << MutationF([](QByteArray& rba) { rba[rba.size() - 1] = char(rba[rba.size() - 1] ^ 1); })
                                      << "checksum mismatch";
    QTest::newRow("foreign file") << MutationF([](QByteArray& rba) { rba = "<?xml version=\"1.0\"?><units distance=\"1\" angle=\"1\"/>"; })
                                  << "not a record file";
    QTest::newRow("newer format") << MutationF([](QByteArray& rba) { rba[4] = 2; })
                                  << "unknown format revision";
    QTest::newRow("other kind") << MutationF([](QByteArray& rba) { rba.replace(8, 4, "PARM"); })
                                << "belongs to another record";
    QTest::newRow("copied from record (2, 2)") << MutationF([](QByteArray& rba) {
        QVERIFY(CCF::ConfigRecordFileC("CONF", 2, 2).write(1, "other"));
        rba = fileBytes(CCF::ConfigRecordFileC("CONF", 2, 2).filePath());
    }) << "belongs to another record";
    QTest::newRow("huge length") << MutationF([](QByteArray& rba) { rba.replace(24, 4, "\xf0\xff\xff\xff"); })
                                 << "truncated";
}

void TestConfigRecordFile::unusableFileReadsAsMissing()
{
    QFETCH(MutationF, fnMutate);
    QFETCH(QString, strReason);
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    QVERIFY(oRecord.write(2, QByteArray("0123456789")));
    QByteArray baFile = fileBytes(oRecord.filePath());
    fnMutate(baFile);
    putFile(oRecord.filePath(), baFile);
    KestraTest::clearReports();

    int iVersion = 5;
    QByteArray baPayload("kept");
    QVERIFY(!oRecord.read(iVersion, baPayload));
    QCOMPARE(iVersion, 5);
    QCOMPARE(baPayload, QByteArray("kept"));
    const QStringList lstTraces = KestraTest::traces("Marrowlib");
    QCOMPARE(lstTraces.size(), 1);
    QVERIFY2(lstTraces[0].contains("Record CONF(2, 1) unusable (" + strReason + "), using defaults"),
             qPrintable(lstTraces[0]));
    // The damaged file is left for inspection, and a new write replaces it.
    QCOMPARE(fileBytes(oRecord.filePath()), baFile);
    QVERIFY(oRecord.write(3, "fresh"));
    QVERIFY(oRecord.read(iVersion, baPayload));
    QCOMPARE(iVersion, 3);
    QCOMPARE(baPayload, QByteArray("fresh"));
}

void TestConfigRecordFile::rejectedWriteKeepsRecord()
{
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    QVERIFY(oRecord.write(2, "good"));
    QVERIFY(!oRecord.write(3, QByteArray(CCF::ConfigRecordFileC::MAX_PAYLOAD_BYTES + 1, 'x')));
    int iVersion = 0;
    QByteArray baPayload;
    QVERIFY(oRecord.read(iVersion, baPayload));
    QCOMPARE(iVersion, 2);
    QCOMPARE(baPayload, QByteArray("good"));
    QVERIFY(temporaries().isEmpty());
}

// A writer that died before its rename leaves only its temporary file behind.
void TestConfigRecordFile::strayTemporaryOfDeadWriter()
{
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    QVERIFY(oRecord.write(2, "good"));
    const QString strDead = oRecord.filePath() + ".tmp-2147483646-0";
    const QString strAlive = oRecord.filePath() + QStringLiteral(".tmp-%1-0").arg(getppid());
    putFile(strDead, fileBytes(oRecord.filePath()).left(12));
    putFile(strAlive, "in use");

    int iVersion = 0;
    QByteArray baPayload;
    QVERIFY(oRecord.read(iVersion, baPayload));
    QCOMPARE(baPayload, QByteArray("good"));
    QVERIFY(oRecord.write(3, "newer"));
    QVERIFY(!QFile::exists(strDead));
    QVERIFY(QFile::exists(strAlive));
    QVERIFY(oRecord.read(iVersion, baPayload));
    QCOMPARE(baPayload, QByteArray("newer"));
}

void TestConfigRecordFile::writerKilledMidWriteKeepsAWholeRecord()
{
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    const QByteArray baFirst(2 * 1024 * 1024, 'a');
    const QByteArray baSecond(3 * 1024 * 1024, 'b');
    QVERIFY(oRecord.write(1, baFirst));

    for (int iRound = 0; iRound < 3; ++iRound) {
        const pid_t iChild = fork();
        QVERIFY(iChild >= 0);
        if (iChild == 0) {
            for (int i = 0;; ++i)
                oRecord.write(i % 2 ? 1 : 2, i % 2 ? baFirst : baSecond);
        }
        // Kill it while its temporary file exists, i.e. inside a write.
        const QString strChild = QString::number(iChild);
        const bool bCaught =
            KestraTest::waitFor([&] { return !temporaries(strChild).isEmpty(); }, 10000);
        kill(iChild, SIGKILL);
        int iStatus = 0;
        waitpid(iChild, &iStatus, 0);
        QVERIFY(bCaught);
        QVERIFY(WIFSIGNALED(iStatus));

        int iVersion = 0;
        QByteArray baPayload;
        QVERIFY(oRecord.read(iVersion, baPayload));
        QVERIFY(iVersion == 1 || iVersion == 2);
        QVERIFY(baPayload == (iVersion == 1 ? baFirst : baSecond));
    }
    // The next write of a live process clears what the dead writers left.
    QVERIFY(oRecord.write(1, "done"));
    QVERIFY(temporaries().isEmpty());
}

// A process that died with the pid this one has now (a restart gets the same pids again) left
// temporaries under names this process would choose.
void TestConfigRecordFile::leftoversUnderOwnPidNeverFailAStore()
{
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    const QStringList lstSynced = flushedByWrite(oRecord);
    // "<record>.tmp-<pid>-<tag>-<n>": the names of the next writes of this process.
    const QStringList lstTemps = lstSynced.filter(".tmp-");
    QCOMPARE(lstTemps.size(), 1);
    const QString strTemp = lstTemps.first();
    QVERIFY2(strTemp.startsWith(oRecord.filePath() + ".tmp-" + QString::number(getpid()) + "-"), qPrintable(strTemp));
    const QString strStem = strTemp.section('-', 0, -2);
    const int iNext = strTemp.section('-', -1).toInt() + 1;
    for (int i = iNext; i < iNext + 3; ++i)
        putFile(QStringLiteral("%1-%2").arg(strStem).arg(i), "left over");
    // Names without this process's tag, as an earlier build made them.
    for (int i = 0; i < 256; ++i)
        putFile(oRecord.filePath() + QStringLiteral(".tmp-%1-%2").arg(getpid()).arg(i), "left over");

    QVERIFY(oRecord.write(2, "second"));
    int iVersion = 0;
    QByteArray baPayload;
    QVERIFY(oRecord.read(iVersion, baPayload));
    QCOMPARE(baPayload, QByteArray("second"));
    QCOMPARE(temporaries(), QStringList());
}

void TestConfigRecordFile::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("strKind");
    QTest::addColumn<QString>("strReason");
    QTest::newRow("FIFO") << "fifo" << "not a regular file";
    QTest::newRow("link to /dev/zero") << "zero" << "not a regular file";
    QTest::newRow("folder") << "folder" << "not a regular file";
    QTest::newRow("file of 8 GB") << "huge" << "too large";
}

// Neither blocks nor reads without end; a new record replaces what is there.
void TestConfigRecordFile::onlyRegularFilesAreRead()
{
    QFETCH(QString, strKind);
    QFETCH(QString, strReason);
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    QVERIFY(QDir().mkpath(CCF::ConfigRecordFileC::recordDir()));
    const QByteArray baPath = QFile::encodeName(oRecord.filePath());
    if (strKind == "fifo") {
        QCOMPARE(::mkfifo(baPath.constData(), 0644), 0);
    } else if (strKind == "zero") {
        QVERIFY(QFile::link("/dev/zero", oRecord.filePath()));
    } else if (strKind == "huge") {
        QFile oFile(oRecord.filePath());
        QVERIFY(oFile.open(QIODevice::WriteOnly) && oFile.resize(8LL << 30)); // sparse
    } else {
        QVERIFY(QDir().mkpath(oRecord.filePath()));
    }

    int iVersion = 5;
    QByteArray baPayload("kept");
    QVERIFY(!oRecord.read(iVersion, baPayload));
    QCOMPARE(baPayload, QByteArray("kept"));
    QCOMPARE(KestraTest::traces("Marrowlib").size(), 1);
    QVERIFY2(KestraTest::traces("Marrowlib")[0].contains("Record CONF(2, 1) unusable (" + strReason + ")"),
             qPrintable(KestraTest::traces("Marrowlib")[0]));
    if (strKind != "folder") {
        QVERIFY(oRecord.write(1, "fresh"));
        QVERIFY(oRecord.read(iVersion, baPayload));
        QCOMPARE(baPayload, QByteArray("fresh"));
    }
}

// The file before the rename, the folder after it, and the parent of each folder made for it.
void TestConfigRecordFile::storeIsDoneWhenFileAndFoldersAreFlushed()
{
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    const QStringList lstSynced = flushedByWrite(oRecord);
    const QString strRecordDir = QDir::cleanPath(CCF::ConfigRecordFileC::recordDir());
    QVERIFY2(lstSynced.size() >= 3, qPrintable(lstSynced.join(' ')));
    QCOMPARE(lstSynced[lstSynced.size() - 3], QFileInfo(strRecordDir).path());
    QVERIFY(lstSynced[lstSynced.size() - 2].startsWith(oRecord.filePath() + ".tmp-"));
    QCOMPARE(lstSynced.last(), strRecordDir);
}

void TestConfigRecordFile::failedFlushFailsTheStore_data()
{
    QTest::addColumn<QString>("strFailing");
    QTest::addColumn<bool>("bFolderExists");
    QTest::addColumn<QString>("strTrace");
    QTest::newRow("file") << "file" << true << "(sync: Input/output error), previous record kept";
    QTest::newRow("folder") << "folder" << true << "(sync folder: Input/output error), new record not yet on the device";
    QTest::newRow("parent of a new folder") << "parent" << false << "cannot be created (sync folder: Input/output error)";
}

void TestConfigRecordFile::failedFlushFailsTheStore()
{
    QFETCH(QString, strFailing);
    QFETCH(bool, bFolderExists);
    QFETCH(QString, strTrace);
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    if (bFolderExists)
        QVERIFY(oRecord.write(1, "good"));
    const QString strRecordDir = QDir::cleanPath(CCF::ConfigRecordFileC::recordDir());
    KestraTest::clearReports();
    {
        SyncRecorderC oRecorder([&](const QString& strPath) {
            if (strFailing == "file")
                return strPath.startsWith(oRecord.filePath() + ".tmp-");
            return strPath == (strFailing == "folder" ? strRecordDir : QFileInfo(strRecordDir).path());
        });
        QVERIFY(!oRecord.write(2, "newer"));
    }
    QCOMPARE(KestraTest::traces("Marrowlib").size(), 1);
    QVERIFY2(KestraTest::traces("Marrowlib")[0].contains(strTrace), qPrintable(KestraTest::traces("Marrowlib")[0]));
    QCOMPARE(temporaries(), QStringList());
}

// Every store replaces the file; none of the replaced ones stays open.
void TestConfigRecordFile::replacedRecordsAreLetGo()
{
    const auto fnOpenFiles = [] {
        return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
    };
    const CCF::ConfigRecordFileC oRecord("CONF", 2, 1);
    QVERIFY(oRecord.write(1, "first"));
    const int iBefore = fnOpenFiles();
    for (int i = 0; i < 30; ++i)
        QVERIFY(oRecord.write(1, QByteArray::number(i)));
    int iVersion = 0;
    QByteArray baPayload;
    QVERIFY(oRecord.read(iVersion, baPayload));
    QCOMPARE(baPayload, QByteArray("29"));
    QTRY_COMPARE(fnOpenFiles(), iBefore);
}

KESTRA_TEST_MAIN(TestConfigRecordFile)
#include "tst_CCF_ConfigRecordFile.moc"
