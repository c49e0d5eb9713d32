#include "KestraTest.h"

#include "KTX/APP/KTX_APP_CalibrationErrorCode.h"

using KTX::APP::CalibrationErrorCodeC;

class TestCalibrationErrorCode : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
};

static int code(unsigned uModule, unsigned uLow, bool bFlag = false)
{
    return static_cast<int>((bFlag ? 0x80000000u : 0u) | (uModule << 20) | uLow);
}

void TestCalibrationErrorCode::decode_data()
{
    QTest::addColumn<int>("iCode");
    QTest::addColumn<QString>("strModule");
    QTest::addColumn<int>("iNumber");
    QTest::addColumn<bool>("bFlag");

    QTest::newRow("first module") << code(600, 1) << QString("ANG") << 257 << false;
    QTest::newRow("AUT low 5") << code(606, 5) << QString("AUT") << 8709 << false;
    QTest::newRow("largest offset") << code(608, 0xFFF) << QString("KDM") << 12544 + 4095 << false;
    QTest::newRow("no offset") << code(611, 7) << QString("LOV") << 7 << false;
    QTest::newRow("unknown module") << code(612, 5) << QString("General") << 5 << false;
    QTest::newRow("module below table") << code(599, 9) << QString("General") << 9 << false;
    // Bits between the number and the module do not belong to either.
    QTest::newRow("middle bits ignored") << (code(602, 3) | 0x000FF000) << QString("EDM") << 771 << false;
    QTest::newRow("flag") << code(605, 2, true) << QString("CSV") << 4098 << true;
    QTest::newRow("zero") << 0 << QString("General") << 0 << false;
}

void TestCalibrationErrorCode::decode()
{
    QFETCH(int, iCode);
    QFETCH(QString, strModule);
    QFETCH(int, iNumber);
    QFETCH(bool, bFlag);
    const KTX::APP::CalibrationErrorIdS oId = CalibrationErrorCodeC::decode(iCode);
    QCOMPARE(oId.strModule, strModule);
    QCOMPARE(oId.iNumber, iNumber);
    QCOMPARE(oId.bFlag, bFlag);
}

KESTRA_TEST_MAIN(TestCalibrationErrorCode)
#include "tst_KTX_APP_CalibrationErrorCode.moc"
