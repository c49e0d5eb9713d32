#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include <QVariant>

using namespace KTX::UTI;

class TestFormatMetaType : public QObject
{
    Q_OBJECT

private slots:
    void knownByNameFromTheStart();
    void travelInsideVariants();
    void variantsCompareValues();
};

// Looked up by name before any value was built in this process.
void TestFormatMetaType::knownByNameFromTheStart()
{
    for (const char* strName : {"DegreeMinuteSecondC", "UsFootInch16thC", "TimeC", "DateC"}) {
        const int iTypeId = QMetaType::type(strName);
        QVERIFY2(iTypeId != QMetaType::UnknownType, strName);
        QCOMPARE(QMetaType::typeName(iTypeId), strName);
        QCOMPARE(QMetaType::type(QByteArray("KTX::UTI::") + strName), iTypeId);
    }
    QCOMPARE(QMetaType::type("DateC"), qMetaTypeId<DateC>());
}

void TestFormatMetaType::travelInsideVariants()
{
    const QVariant varAngle = QVariant::fromValue(DegreeMinuteSecondC(5, 7, 9, false));
    QCOMPARE(varAngle.typeName(), "DegreeMinuteSecondC");
    QCOMPARE(varAngle.value<DegreeMinuteSecondC>().toString(), DegreeMinuteSecondC(5, 7, 9, false).toString());
    const QVariant varDate = QVariant::fromValue(DateC(2024, 2, 29));
    QCOMPARE(varDate.typeName(), "DateC");
    QVERIFY(varDate.value<DateC>() == DateC(2024, 2, 29));
}

// Equal values are equal variants however they were built, which the value models rely on.
void TestFormatMetaType::variantsCompareValues()
{
    QVERIFY(QVariant::fromValue(UsFootInch16thC(0, 0, 0, true))
            == QVariant::fromValue(UsFootInch16thC(0, 0, 0, false)));
    QVERIFY(QVariant::fromValue(UsFootInch16thC(1, 0, 0, true))
            != QVariant::fromValue(UsFootInch16thC(1, 0, 0, false)));
    QVERIFY(QVariant::fromValue(TimeC(1, 2, 3)) == QVariant::fromValue(TimeC(1, 2, 3)));
    QVERIFY(QVariant::fromValue(TimeC(1, 2, 3)) != QVariant::fromValue(TimeC(1, 2, 4)));
    QVERIFY(QVariant::fromValue(DateC(2000, 1, 1)) == QVariant::fromValue(DateC()));
    QVERIFY(QVariant::fromValue(DateC(2000, 1, 1)) != QVariant::fromValue(DateC(2000, 1, 2)));
}

KESTRA_TEST_MAIN(TestFormatMetaType)
#include "tst_KTX_UTI_FormatMetaType.moc"
