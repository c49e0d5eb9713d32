#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "Marrowlib/CCF_ConfigRecord.h"

#include <QDir>
#include <QFile>

using KTX::UTI::UnitConfigC;

namespace {

using FieldsT = QList<int>;

FieldsT fieldsOf(const UnitConfigC& rConfig)
{
    return {rConfig.getDistanceUnit(), rConfig.getAngleUnit(), rConfig.getTemperatureUnit(),
            rConfig.getPressureUnit(), rConfig.getDateFormat()};
}

const FieldsT& factoryFields()
{
    static const FieldsT s_lstFactory{1, 1, 1, 4, 1};
    return s_lstFactory;
}

bool storeRaw(int iVersion, const FieldsT& lstValues)
{
    CCF::ConfigRecordC oRecord(2, 1);
    oRecord.beginWrite(iVersion);
    for (int iValue : lstValues)
        oRecord.writeInt(iValue);
    return oRecord.commit();
}

FieldsT readRaw(int& riVersion)
{
    FieldsT lstValues;
    CCF::ConfigRecordC oRecord(2, 1);
    riVersion = -1;
    if (!oRecord.openRead() || !oRecord.readVersion(riVersion))
        return lstValues;
    int iValue = 0;
    while (oRecord.readInt(iValue))
        lstValues << iValue;
    return lstValues;
}

QString recordPath()
{
    return CCF::ConfigRecordFileC("CONF", 2, 1).filePath();
}

// A config that holds something other than the factory values, to see that load() overwrites it.
UnitConfigC dirtyConfig()
{
    UnitConfigC oConfig;
    oConfig.setDistanceUnit(9);
    oConfig.setAngleUnit(9);
    oConfig.setTemperatureUnit(9);
    oConfig.setPressureUnit(9);
    oConfig.setDateFormat(9);
    return oConfig;
}

} // namespace

class TestUnitConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newAndDefault();
    void load_data();
    void load();
    void damagedFile_data();
    void damagedFile();
    void saveWritesCurrentVersion();
    void saveFailsWhenStoreRefuses();
};

void TestUnitConfig::init()
{
    QDir(CCF::ConfigRecordFileC::recordDir()).removeRecursively();
    QFile::remove(CCF::ConfigRecordFileC::recordDir());
    KestraTest::clearReports();
}

void TestUnitConfig::newAndDefault()
{
    UnitConfigC oConfig;
    QCOMPARE(fieldsOf(oConfig), FieldsT({0, 0, 0, 0, 0}));
    QVERIFY(storeRaw(2, {2, 3, 2, 1, 3}));
    oConfig.setToDefault();
    QCOMPARE(fieldsOf(oConfig), factoryFields());
    // Setters keep what they are given, unchecked.
    oConfig.setPressureUnit(-7);
    oConfig.setDateFormat(42);
    QCOMPARE(fieldsOf(oConfig), FieldsT({1, 1, 1, -7, 42}));
}

void TestUnitConfig::load_data()
{
    QTest::addColumn<bool>("bStored");
    QTest::addColumn<int>("iVersion");
    QTest::addColumn<FieldsT>("lstStored");
    QTest::addColumn<FieldsT>("lstLoaded");

    QTest::newRow("missing") << false << 0 << FieldsT() << factoryFields();
    QTest::newRow("version 1 keeps date format 1") << true << 1 << FieldsT{4, 2, 2, 3} << FieldsT{4, 2, 2, 3, 1};
    QTest::newRow("version 2") << true << 2 << FieldsT{3, 4, 2, 2, 3} << FieldsT{3, 4, 2, 2, 3};
    QTest::newRow("later version, extra fields ignored") << true << 3 << FieldsT{2, 3, 1, 1, 2, 77} << FieldsT{2, 3, 1, 1, 2};
    QTest::newRow("out-of-range codes kept") << true << 2 << FieldsT{0, 5, -1, 9, 4} << FieldsT{0, 5, -1, 9, 4};
    QTest::newRow("version 0") << true << 0 << FieldsT{4, 2, 2, 3, 2} << factoryFields();
    QTest::newRow("negative version") << true << -1 << FieldsT{4, 2, 2, 3, 2} << factoryFields();
    QTest::newRow("version 1 too short") << true << 1 << FieldsT{4, 2, 2} << factoryFields();
    QTest::newRow("version 2 without date format") << true << 2 << FieldsT{4, 2, 2, 3} << factoryFields();
    QTest::newRow("empty") << true << 2 << FieldsT() << factoryFields();
}

void TestUnitConfig::load()
{
    QFETCH(bool, bStored);
    QFETCH(int, iVersion);
    QFETCH(FieldsT, lstStored);
    QFETCH(FieldsT, lstLoaded);

    if (bStored)
        QVERIFY(storeRaw(iVersion, lstStored));
    UnitConfigC oConfig = dirtyConfig();
    oConfig.load();
    QCOMPARE(fieldsOf(oConfig), lstLoaded);
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

// Damage the file of a good record: it must read as missing. iChop drops bytes from the end;
// iFlip changes one byte, counted from the start (from the end when negative), 0 for none.
void TestUnitConfig::damagedFile_data()
{
    QTest::addColumn<int>("iChop");
    QTest::addColumn<int>("iFlip");

    QTest::newRow("truncated in the payload") << 10 << 0;
    QTest::newRow("checksum cut off") << 4 << 0;
    QTest::newRow("empty file") << 1000 << 0;
    QTest::newRow("payload byte changed") << 0 << 28;
    QTest::newRow("checksum byte changed") << 0 << -1;
    QTest::newRow("record of other identifiers") << 0 << 12;
}

void TestUnitConfig::damagedFile()
{
    QFETCH(int, iChop);
    QFETCH(int, iFlip);

    QVERIFY(storeRaw(2, {4, 2, 2, 3, 2}));
    QFile oFile(recordPath());
    QVERIFY(oFile.open(QIODevice::ReadOnly));
    QByteArray baData = oFile.readAll();
    oFile.close();
    QVERIFY(baData.size() > 28);
    if (iFlip != 0) {
        const int iIndex = iFlip > 0 ? iFlip : baData.size() + iFlip;
        baData[iIndex] = char(baData[iIndex] ^ 0x01);
    }
    baData.chop(iChop);
    QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(oFile.write(baData), qint64(baData.size()));
    oFile.close();

    UnitConfigC oConfig = dirtyConfig();
    oConfig.load();
    QCOMPARE(fieldsOf(oConfig), factoryFields());
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

void TestUnitConfig::saveWritesCurrentVersion()
{
    // A version-1 record of an older release is replaced by the current version.
    QVERIFY(storeRaw(1, {1, 1, 1, 1}));
    UnitConfigC oConfig;
    oConfig.load();
    QCOMPARE(oConfig.getDateFormat(), 1);
    oConfig.setDistanceUnit(4);
    oConfig.setAngleUnit(2);
    oConfig.setTemperatureUnit(2);
    oConfig.setPressureUnit(3);
    oConfig.setDateFormat(3);
    QVERIFY(oConfig.save());

    int iVersion = 0;
    QCOMPARE(readRaw(iVersion), FieldsT({4, 2, 2, 3, 3}));
    QCOMPARE(iVersion, 2);

    UnitConfigC oLoaded = dirtyConfig();
    oLoaded.load();
    QCOMPARE(fieldsOf(oLoaded), FieldsT({4, 2, 2, 3, 3}));
}

void TestUnitConfig::saveFailsWhenStoreRefuses()
{
    // The records folder cannot be created where a plain file is in the way.
    QVERIFY(QDir().mkpath(QFileInfo(CCF::ConfigRecordFileC::recordDir()).path()));
    QFile oBlocker(CCF::ConfigRecordFileC::recordDir());
    QVERIFY(oBlocker.open(QIODevice::WriteOnly));
    oBlocker.close();

    UnitConfigC oConfig;
    oConfig.setToDefault();
    oConfig.setDistanceUnit(3);
    QVERIFY(!oConfig.save());
    oConfig.load();
    QCOMPARE(fieldsOf(oConfig), factoryFields());
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

KESTRA_TEST_MAIN(TestUnitConfig)
#include "tst_KTX_UTI_UnitConfig.moc"
