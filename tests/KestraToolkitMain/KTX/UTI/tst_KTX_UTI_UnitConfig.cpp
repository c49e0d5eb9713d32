#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "Marrowlib/CCF_ConfigRecord.h"

#include <QDir>
#include <QFile>

using KTX::UTI::UnitConfigC;
using FieldsT = QList<int>;

namespace {

const FieldsT s_lstFactory{1, 1, 1, 4, 1};

FieldsT fieldsOf(const UnitConfigC& rConfig)
{
    return {rConfig.getDistanceUnit(), rConfig.getAngleUnit(), rConfig.getTemperatureUnit(),
            rConfig.getPressureUnit(), rConfig.getDateFormat()};
}

// Loads into a config that holds other values, so that every field must be set by load().
FieldsT loaded(UnitConfigC::LoadResultE* peResult = nullptr)
{
    UnitConfigC oConfig;
    for (auto fnSet : {&UnitConfigC::setDistanceUnit, &UnitConfigC::setAngleUnit,
                       &UnitConfigC::setTemperatureUnit, &UnitConfigC::setPressureUnit,
                       &UnitConfigC::setDateFormat})
        (oConfig.*fnSet)(9);
    const UnitConfigC::LoadResultE eResult = oConfig.loadRecord();
    if (peResult)
        *peResult = eResult;
    return fieldsOf(oConfig);
}

bool storeRaw(int iVersion, const FieldsT& lstValues)
{
    CCF::ConfigRecordC oRecord(2, 1);
    oRecord.beginWrite(iVersion);
    for (int iValue : lstValues)
        oRecord.writeInt(iValue);
    return oRecord.commit();
}

} // namespace

class TestUnitConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
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

void TestUnitConfig::load_data()
{
    QTest::addColumn<int>("iVersion"); // 0x7fff: no record
    QTest::addColumn<FieldsT>("lstStored");
    QTest::addColumn<FieldsT>("lstLoaded");
    QTest::addColumn<int>("iResult");
    const int iStored = UnitConfigC::LOAD_STORED;
    const int iDamaged = UnitConfigC::LOAD_DAMAGED;

    QTest::newRow("missing: factory units") << 0x7fff << FieldsT() << s_lstFactory << int(UnitConfigC::LOAD_MISSING);
    QTest::newRow("version 1") << 1 << FieldsT{4, 2, 2, 3} << FieldsT{4, 2, 2, 3, 1} << iStored;
    QTest::newRow("version 2") << 2 << FieldsT{3, 4, 2, 2, 3} << FieldsT{3, 4, 2, 2, 3} << iStored;
    QTest::newRow("later version") << 3 << FieldsT{2, 3, 1, 1, 2, 77} << FieldsT{2, 3, 1, 1, 2} << iStored;
    // A code outside its table is damage, as a wrong checksum is.
    QTest::newRow("codes 7, 9, 0, 5") << 2 << FieldsT{7, 9, 0, 5, 1} << s_lstFactory << iDamaged;
    QTest::newRow("one code outside") << 2 << FieldsT{1, 1, 3, 4, 1} << s_lstFactory << iDamaged;
    QTest::newRow("date format outside") << 2 << FieldsT{4, 2, 2, 3, 4} << s_lstFactory << iDamaged;
    QTest::newRow("negative code, version 1") << 1 << FieldsT{-1, 1, 1, 1} << s_lstFactory << iDamaged;
    QTest::newRow("version 0") << 0 << FieldsT{4, 2, 2, 3, 2} << s_lstFactory << iDamaged;
    QTest::newRow("version -1") << -1 << FieldsT{4, 2, 2, 3, 2} << s_lstFactory << iDamaged;
    // Shorter than the version promises: damaged, not half applied.
    QTest::newRow("version 1 short") << 1 << FieldsT{4, 2, 2} << s_lstFactory << iDamaged;
    QTest::newRow("version 2 short") << 2 << FieldsT{4, 2, 2, 3} << s_lstFactory << iDamaged;
}

void TestUnitConfig::load()
{
    QFETCH(int, iVersion);
    QFETCH(FieldsT, lstStored);
    QFETCH(int, iResult);
    if (iVersion != 0x7fff)
        QVERIFY(storeRaw(iVersion, lstStored));
    KestraTest::clearReports();
    UnitConfigC::LoadResultE eResult = UnitConfigC::LOAD_STORED;
    QTEST(loaded(&eResult), "lstLoaded");
    QCOMPARE(int(eResult), iResult);
    // Damage is traced; what is in force is not.
    QCOMPARE(KestraTest::traces("KestraToolkit").size(), iResult == UnitConfigC::LOAD_DAMAGED ? 1 : 0);
    QCOMPARE(KestraTest::assertTexts(), QStringList());
}

// iChop drops bytes from the end; iFlip changes one byte, counted from the start (from the end
// when negative), 0 for none.
void TestUnitConfig::damagedFile_data()
{
    QTest::addColumn<int>("iChop");
    QTest::addColumn<int>("iFlip");

    QTest::newRow("truncated") << 10 << 0;
    QTest::newRow("payload changed") << 0 << 28;
    QTest::newRow("checksum changed") << 0 << -1;
    QTest::newRow("other record identifiers") << 0 << 12;
}

void TestUnitConfig::damagedFile()
{
    QFETCH(int, iChop);
    QFETCH(int, iFlip);

    QVERIFY(storeRaw(2, {4, 2, 2, 3, 2}));
    QFile oFile(CCF::ConfigRecordFileC("CONF", 2, 1).filePath());
    QVERIFY(oFile.open(QIODevice::ReadOnly));
    QByteArray baData = oFile.readAll();
    oFile.close();
    if (iFlip != 0) {
        const int iIndex = iFlip > 0 ? iFlip : baData.size() + iFlip;
        baData[iIndex] = char(baData[iIndex] ^ 0x01);
    }
    baData.chop(iChop);
    QVERIFY(oFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(oFile.write(baData), qint64(baData.size()));
    oFile.close();

    UnitConfigC::LoadResultE eResult = UnitConfigC::LOAD_STORED;
    QCOMPARE(loaded(&eResult), s_lstFactory);
    QCOMPARE(eResult, UnitConfigC::LOAD_DAMAGED);
}

void TestUnitConfig::saveWritesCurrentVersion()
{
    QVERIFY(storeRaw(1, {1, 1, 1, 1}));
    UnitConfigC oConfig;
    oConfig.load();
    oConfig.setDistanceUnit(4);
    oConfig.setAngleUnit(2);
    oConfig.setTemperatureUnit(2);
    oConfig.setPressureUnit(3);
    oConfig.setDateFormat(3);
    QVERIFY(oConfig.save());

    CCF::ConfigRecordC oRecord(2, 1);
    int iVersion = 0;
    QVERIFY(oRecord.openRead() && oRecord.readVersion(iVersion));
    QCOMPARE(iVersion, 2);
    FieldsT lstStored;
    for (int iValue = 0; oRecord.readInt(iValue);)
        lstStored << iValue;
    QCOMPARE(lstStored, FieldsT({4, 2, 2, 3, 3}));
    QCOMPARE(loaded(), lstStored);
}

void TestUnitConfig::saveFailsWhenStoreRefuses()
{
    // A plain file where the records folder belongs.
    QVERIFY(QDir().mkpath(QFileInfo(CCF::ConfigRecordFileC::recordDir()).path()));
    QFile oBlocker(CCF::ConfigRecordFileC::recordDir());
    QVERIFY(oBlocker.open(QIODevice::WriteOnly));
    oBlocker.close();

    UnitConfigC oConfig;
    oConfig.setToDefault();
    oConfig.setDistanceUnit(3);
    QVERIFY(!oConfig.save());
    QCOMPARE(loaded(), s_lstFactory);
}

KESTRA_TEST_MAIN(TestUnitConfig)
#include "tst_KTX_UTI_UnitConfig.moc"
