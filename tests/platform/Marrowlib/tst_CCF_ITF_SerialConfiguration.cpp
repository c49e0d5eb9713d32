// The serial configuration record of a port: the default record where none is usable, a field
// that the port cannot use reads as a failure of that field only, setters refuse what the port
// cannot use, and a committed record reads back.
#include "KestraTest.h"

#include "Marrowlib/CCF_ConfigRecord.h"
#include "Marrowlib/CCF_ITF_SerialConfiguration.h"

#include <QFile>

namespace {

using CCF::ITF::SerialConfigurationC;

// The six fields as read ("-" for a field that fails), in record order.
QString fieldsOf(const SerialConfigurationC& rRecord)
{
    unsigned int uBaudRate = 0;
    bool abFlags[4] = {};
    int iDataBits = 0;
    const bool abRead[6] = {rRecord.getBaudRate(uBaudRate),         rRecord.getParityEnabled(abFlags[0]),
                            rRecord.getParityOdd(abFlags[1]),       rRecord.getDataBits(iDataBits),
                            rRecord.getTwoStopBits(abFlags[2]),     rRecord.getRtsCtsHandshake(abFlags[3])};
    const int aiValues[6] = {int(uBaudRate), abFlags[0], abFlags[1], iDataBits, abFlags[2], abFlags[3]};
    QStringList lstFields;
    for (int i = 0; i < 6; ++i)
        lstFields << (abRead[i] ? QString::number(aiValues[i]) : QStringLiteral("-"));
    return lstFields.join(' ');
}

} // namespace

class TestSerialConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void storedRecords_data()
    {
        QTest::addColumn<int>("iVersion");
        // Empty: no record at all.
        QTest::addColumn<QList<int>>("lstStored");
        QTest::addColumn<QString>("strFields");
        QTest::newRow("none: the default record") << 1 << QList<int>() << "9600 0 0 8 0 0";
        QTest::newRow("as stored") << 1 << QList<int>{115200, 1, 1, 7, 1, 1} << "115200 1 1 7 1 1";
        QTest::newRow("fields the port cannot use fail alone")
            << 1 << QList<int>{12345, 2, 0, 6, 1, -1} << "- - 0 - 1 -";
        QTest::newRow("a short record lacks its last fields") << 2 << QList<int>{4800, 0} << "4800 0 - - - -";
        QTest::newRow("a version below 1: the default record") << 0 << QList<int>{19200, 1, 1, 7, 1, 1} << "9600 0 0 8 0 0";
    }

    void storedRecords()
    {
        QFETCH(int, iVersion);
        QFETCH(QList<int>, lstStored);
        QFETCH(QString, strFields);
        QFile::remove(CCF::ConfigRecordFileC("SERL", 0, 0).filePath());
        if (!lstStored.isEmpty()) {
            CCF::ConfigRecordC oRecord("SERL", 0, 0);
            QVERIFY(oRecord.beginWrite(iVersion));
            for (int iValue : lstStored)
                QVERIFY(oRecord.writeInt(iValue));
            QVERIFY(oRecord.commit());
        }
        QCOMPARE(fieldsOf(SerialConfigurationC::storedRecord(0)), strFields);
        // The record of another port is its own.
        QCOMPARE(fieldsOf(SerialConfigurationC::storedRecord(1)), QStringLiteral("9600 0 0 8 0 0"));
    }

    void settersAndCommit()
    {
        SerialConfigurationC oRecord = SerialConfigurationC::storedRecord(3);
        QVERIFY(!oRecord.setBaudRate(9601));
        QVERIFY(!oRecord.setBaudRate(0));
        QVERIFY(!oRecord.setDataBits(9));
        QVERIFY(oRecord.setBaudRate(57600));
        QVERIFY(oRecord.setParityEnabled(true));
        QVERIFY(oRecord.setDataBits(7));
        QVERIFY(oRecord.setRtsCtsHandshake(true));
        QCOMPARE(fieldsOf(SerialConfigurationC::storedRecord(3)), QStringLiteral("9600 0 0 8 0 0"));
        QCOMPARE(oRecord.commit(), 0);
        QCOMPARE(fieldsOf(SerialConfigurationC::storedRecord(3)), QStringLiteral("57600 1 0 7 0 1"));
        QCOMPARE(fieldsOf(SerialConfigurationC::defaultRecord()), QStringLiteral("9600 0 0 8 0 0"));
    }
};

KESTRA_TEST_MAIN(TestSerialConfiguration)
#include "tst_CCF_ITF_SerialConfiguration.moc"
