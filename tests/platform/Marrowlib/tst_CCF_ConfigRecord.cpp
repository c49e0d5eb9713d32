#include "KestraTest.h"

#include "Marrowlib/CCF_ConfigRecord.h"

#include <QDir>

#include <climits>

namespace {

QList<int> readAll(int iId1, int iId2, int& riVersion)
{
    QList<int> lstValues;
    CCF::ConfigRecordC oRecord(iId1, iId2);
    riVersion = -1;
    if (!oRecord.openRead() || !oRecord.readVersion(riVersion))
        return lstValues;
    int iValue = 0;
    while (oRecord.readInt(iValue))
        lstValues << iValue;
    return lstValues;
}

bool writeAll(int iId1, int iId2, int iVersion, const QList<int>& lstValues)
{
    CCF::ConfigRecordC oRecord(iId1, iId2);
    if (!oRecord.beginWrite(iVersion))
        return false;
    for (int iValue : lstValues) {
        if (!oRecord.writeInt(iValue))
            return false;
    }
    return oRecord.commit();
}

} // namespace

class TestConfigRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writtenIsReadBackInOrder();
    void nothingStoredBeforeCommit();
    void operationsOutOfTurnFail();
    void partialIntegerReadsAsMissing();
};

void TestConfigRecord::init()
{
    QDir(CCF::ConfigRecordFileC::recordDir()).removeRecursively();
    KestraTest::clearReports();
}

void TestConfigRecord::writtenIsReadBackInOrder()
{
    const QList<int> lstValues{3, 2, 1, 4, 0, -1, INT_MIN, INT_MAX};
    QVERIFY(writeAll(2, 1, 2, lstValues));
    int iVersion = 0;
    QCOMPARE(readAll(2, 1, iVersion), lstValues);
    QCOMPARE(iVersion, 2);

    QVERIFY(writeAll(2, 1, 1, {7}));
    QVERIFY(writeAll(1, 2, 1, {12}));
    QCOMPARE(readAll(2, 1, iVersion), QList<int>{7});
    QCOMPARE(iVersion, 1);
    QCOMPARE(readAll(1, 2, iVersion), QList<int>{12});
    QCOMPARE(readAll(-1, 7, iVersion), QList<int>{});
    QCOMPARE(iVersion, -1);
}

void TestConfigRecord::nothingStoredBeforeCommit()
{
    QVERIFY(writeAll(2, 1, 2, {1, 1, 1, 4, 1}));
    {
        CCF::ConfigRecordC oRecord(2, 1);
        QVERIFY(oRecord.beginWrite(2));
        QVERIFY(oRecord.writeInt(3));
    }
    CCF::ConfigRecordC oRecord(2, 1);
    QVERIFY(oRecord.beginWrite(2));
    QVERIFY(oRecord.writeInt(3));
    oRecord.release();
    QVERIFY(!oRecord.commit());
    int iVersion = 0;
    QCOMPARE(readAll(2, 1, iVersion), (QList<int>{1, 1, 1, 4, 1}));
}

void TestConfigRecord::operationsOutOfTurnFail()
{
    QVERIFY(writeAll(2, 1, 2, {5}));
    CCF::ConfigRecordC oRecord(2, 1);
    int iValue = 0;
    QVERIFY(!oRecord.readVersion(iValue));
    QVERIFY(!oRecord.readInt(iValue));
    QVERIFY(!oRecord.writeInt(1));
    QVERIFY(!oRecord.commit());

    QVERIFY(oRecord.openRead());
    QVERIFY(!oRecord.writeInt(1));
    QVERIFY(!oRecord.commit());
    QVERIFY(oRecord.readInt(iValue));
    QCOMPARE(iValue, 5);
    QVERIFY(!oRecord.readInt(iValue));

    // A commit ends the handle.
    QVERIFY(oRecord.beginWrite(3));
    QVERIFY(!oRecord.readInt(iValue));
    QVERIFY(oRecord.commit());
    QVERIFY(!oRecord.isOpen());
    QVERIFY(!oRecord.writeInt(1));
}

void TestConfigRecord::partialIntegerReadsAsMissing()
{
    QVERIFY(CCF::ConfigRecordFileC("CONF", 2, 1).write(2, QByteArray("\1\0\0\0\2", 5)));
    KestraTest::clearReports();
    CCF::ConfigRecordC oRecord(2, 1);
    QVERIFY(!oRecord.openRead());
    QCOMPARE(KestraTest::traces("Marrowlib").size(), 1);
    QVERIFY(KestraTest::traces("Marrowlib")[0].contains("not a sequence of integers"));
}

KESTRA_TEST_MAIN(TestConfigRecord)
#include "tst_CCF_ConfigRecord.moc"
