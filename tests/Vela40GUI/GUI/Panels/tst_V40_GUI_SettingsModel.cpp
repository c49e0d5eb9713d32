// The settings model — keyed value models, re-emitted changes, load and store.
#include "KestraTest.h"

#include "V40_GUI_SettingsModel.h"
#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#include <QMetaMethod>
#include <QSignalSpy>

using V40::GUI::SettingsModelC;
using V40::GUI::ValueModelC;

namespace {

// A settings model whose instrument is a hash: read fills the value models, write copies them.
class RecordSettingsModelC : public SettingsModelC
{
public:
    bool readValues() override
    {
        ++m_iReads;
        if (!m_bReadSucceeds)
            return false;
        for (auto it = m_mapRecord.cbegin(); it != m_mapRecord.cend(); ++it)
            setValue(it.key(), it.value());
        if (m_bRecordDamaged)
            markReadValuesUnstored();
        return true;
    }
    bool writeValues() override
    {
        ++m_iWrites;
        if (!m_bWriteSucceeds)
            return false;
        for (int iKey : inputModelKeys()) {
            if (getInputModel(iKey))
                m_mapRecord.insert(iKey, getValue(iKey));
        }
        return true;
    }

    QHash<int, QVariant> m_mapRecord;
    bool m_bReadSucceeds = true;
    bool m_bWriteSucceeds = true;
    bool m_bRecordDamaged = false;
    int m_iReads = 0;
    int m_iWrites = 0;
};

} // namespace

class TestSettingsModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void metaObject()
    {
        const QMetaObject& rMeta = SettingsModelC::staticMetaObject;
        const QList<QPair<QByteArray, QMetaMethod::MethodType>> lstExpected = {
            {"valueChanged(int)", QMetaMethod::Signal},
            {"setValue(int,QVariant)", QMetaMethod::Slot},
            {"setToDefault()", QMetaMethod::Slot},
            {"setToDefault(int)", QMetaMethod::Slot},
            {"undoLastChange(int)", QMetaMethod::Slot},
            {"undoChanges()", QMetaMethod::Slot},
        };
        QCOMPARE(rMeta.methodCount() - rMeta.methodOffset(), lstExpected.size());
        for (int i = 0; i < lstExpected.size(); ++i) {
            const QMetaMethod oMethod = rMeta.method(rMeta.methodOffset() + i);
            QCOMPARE(oMethod.methodSignature(), lstExpected[i].first);
            QCOMPARE(oMethod.methodType(), lstExpected[i].second);
        }
    }

    void defaults()
    {
        SettingsModelC oModel;
        QVERIFY(!oModel.readValues());
        QVERIFY(!oModel.writeValues());
        QVERIFY(!oModel.load());
        QVERIFY(!oModel.store());
        QVERIFY(!oModel.isStored());
        oModel.setStored(true);
        QVERIFY(oModel.isStored());
        QVERIFY(!oModel.isModified()); // nothing registered
    }

    void changesAreReemittedOnceWithTheKey()
    {
        SettingsModelC oModel;
        ValueModelC oFirst(QVariant(1), QVariant(0));
        ValueModelC oSecond(QVariant(QStringLiteral("a")));
        oModel.addInputModel(4, &oFirst);
        oModel.addInputModel(9, &oSecond);
        QSignalSpy oSpy(&oModel, &SettingsModelC::valueChanged);
        oFirst.setValue(1); // equal: nothing
        QCOMPARE(oSpy.count(), 0);
        oFirst.setValue(2);
        QCOMPARE(oSpy.count(), 1);
        QCOMPARE(oSpy.takeFirst().at(0).toInt(), 4);
        oModel.setValue(9, QStringLiteral("b"));
        QCOMPARE(oSpy.count(), 1);
        QCOMPARE(oSpy.takeFirst().at(0).toInt(), 9);
        oModel.setValue(9, QStringLiteral("b"));
        QCOMPARE(oSpy.count(), 0);
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void keyAddressedOperations()
    {
        SettingsModelC oModel;
        ValueModelC oValue(QVariant(1), QVariant(5));
        oModel.addInputModel(2, &oValue);
        QCOMPARE(oModel.getInputModel(2), &oValue);
        QCOMPARE(oModel.getValue(2), QVariant(1));
        QVERIFY(!oModel.isModified(2));
        oModel.setValue(2, 3);
        QCOMPARE(oValue.getValue(), QVariant(3));
        QVERIFY(oModel.isModified(2));
        QVERIFY(oModel.isModified());
        oModel.undoLastChange(2);
        QCOMPARE(oModel.getValue(2), QVariant(1));
        oModel.undoLastChange(2); // toggles back
        QCOMPARE(oModel.getValue(2), QVariant(3));
        oModel.setToDefault(2);
        QCOMPARE(oModel.getValue(2), QVariant(5));
        oModel.setOriginalToCurrentValue(2);
        QVERIFY(!oModel.isModified(2));
        QCOMPARE(oValue.getOriginalValue(), QVariant(5));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void missingKeyReports_data()
    {
        QTest::addColumn<QString>("strOperation");
        for (const char* strOperation : {"getInputModel", "getValue", "isModified", "setValue", "setToDefault",
                                         "undoLastChange", "setOriginalToCurrentValue"})
            QTest::newRow(strOperation) << QString::fromLatin1(strOperation);
    }

    void missingKeyReports()
    {
        QFETCH(QString, strOperation);
        SettingsModelC oModel;
        ValueModelC oValue(QVariant(1), QVariant(5));
        oModel.addInputModel(1, &oValue);
        const int iMissing = 8;
        if (strOperation == "getInputModel")
            QCOMPARE(oModel.getInputModel(iMissing), nullptr);
        else if (strOperation == "getValue")
            QVERIFY(!oModel.getValue(iMissing).isValid());
        else if (strOperation == "isModified")
            QVERIFY(!oModel.isModified(iMissing));
        else if (strOperation == "setValue")
            oModel.setValue(iMissing, 4);
        else if (strOperation == "setToDefault")
            oModel.setToDefault(iMissing);
        else if (strOperation == "undoLastChange")
            oModel.undoLastChange(iMissing);
        else
            oModel.setOriginalToCurrentValue(iMissing);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"i != m_mapInputModels.end()"});
        QCOMPARE(BSS::TEST::assertReports().first().strSource, QStringLiteral("V40_GUI_SettingsModel"));
        QCOMPARE(oValue.getValue(), QVariant(1)); // the other entry untouched
        QCOMPARE(oValue.getOriginalValue(), QVariant(1));
    }

    void registration()
    {
        SettingsModelC oModel;
        oModel.addInputModel(1, nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"pModel"});
        KestraTest::clearReports();

        ValueModelC oFirst(QVariant(1));
        ValueModelC oSecond(QVariant(2));
        oModel.addInputModel(1, &oFirst);
        oModel.addInputModel(1, &oSecond); // the first one stays
        QCOMPARE(KestraTest::assertTexts(), QStringList{"!m_mapInputModels.contains( iKey )"});
        QCOMPARE(oModel.getInputModel(1), &oFirst);
        QSignalSpy oSpy(&oModel, &SettingsModelC::valueChanged);
        oSecond.setValue(7); // the refused model is not connected
        QCOMPARE(oSpy.count(), 0);
        oFirst.setValue(7);
        QCOMPARE(oSpy.count(), 1);
    }

    void destroyedValueModelDropsOut()
    {
        SettingsModelC oModel;
        ValueModelC oKept(QVariant(1), QVariant(0));
        auto* pGone = new ValueModelC(QVariant(1), QVariant(0));
        oModel.addInputModel(1, &oKept);
        oModel.addInputModel(2, pGone);
        pGone->setValue(5);
        QVERIFY(oModel.isModified());
        delete pGone;
        QVERIFY(!oModel.isModified());
        // Neutral results and no reports for a key whose model no longer exists.
        QCOMPARE(oModel.getInputModel(2), nullptr);
        QVERIFY(!oModel.getValue(2).isValid());
        QVERIFY(!oModel.isModified(2));
        oModel.setValue(2, 3);
        oModel.setToDefault(2);
        oModel.undoLastChange(2);
        oModel.setOriginalToCurrentValue(2);
        oModel.setToDefault();
        oModel.undoChanges();
        oModel.setOriginalToCurrentValue();
        QVERIFY(KestraTest::assertTexts().isEmpty());
        QCOMPARE(oKept.getValue(), QVariant(1)); // to default 0, then back to the original 1
        QCOMPARE(oKept.getPreviousValue(), QVariant(0));

        // A new model may take the key of a destroyed one, and it counts.
        ValueModelC oReplacement(QVariant(4));
        oModel.addInputModel(2, &oReplacement);
        QVERIFY(KestraTest::assertTexts().isEmpty());
        QCOMPARE(oModel.getInputModel(2), &oReplacement);
        QSignalSpy oSpy(&oModel, &SettingsModelC::valueChanged);
        oReplacement.setValue(6);
        QCOMPARE(oSpy.count(), 1);
        QCOMPARE(oSpy.first().at(0).toInt(), 2);
        QVERIFY(oModel.isModified());
    }

    void wholeSetOperations()
    {
        SettingsModelC oModel;
        ValueModelC oA(QVariant(1), QVariant(10));
        ValueModelC oB(QVariant(2), QVariant());
        ValueModelC oC(QVariant(3), QVariant(30));
        oModel.addInputModel(0, &oA);
        oModel.addInputModel(1, &oB);
        oModel.addInputModel(2, &oC);
        QSignalSpy oSpy(&oModel, &SettingsModelC::valueChanged);
        oModel.setToDefault();
        QCOMPARE(oA.getValue(), QVariant(10));
        QCOMPARE(oB.getValue(), QVariant(2)); // no default: unchanged
        QCOMPARE(oC.getValue(), QVariant(30));
        QCOMPARE(oSpy.count(), 2);
        QVERIFY(oModel.isModified());
        oModel.undoChanges();
        QCOMPARE(oA.getValue(), QVariant(1));
        QCOMPARE(oC.getValue(), QVariant(3));
        QVERIFY(!oModel.isModified());
        oB.setValue(20);
        oModel.setOriginalToCurrentValue();
        QVERIFY(!oModel.isModified());
        QCOMPARE(oB.getOriginalValue(), QVariant(20));
        // Slots by name, as panels and function keys connect them.
        QVERIFY(QMetaObject::invokeMethod(&oModel, "setToDefault", Q_ARG(int, 0)));
        QCOMPARE(oA.getValue(), QVariant(10));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "undoLastChange", Q_ARG(int, 0)));
        QCOMPARE(oA.getValue(), QVariant(1));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "setValue", Q_ARG(int, 2), Q_ARG(QVariant, QVariant(33))));
        QCOMPARE(oC.getValue(), QVariant(33));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "undoChanges"));
        QCOMPARE(oC.getValue(), QVariant(3));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "setToDefault"));
        QCOMPARE(oC.getValue(), QVariant(30));
    }

    void loadAndStore()
    {
        RecordSettingsModelC oModel;
        ValueModelC oA(QVariant(0), QVariant(0));
        ValueModelC oB(QVariant(0), QVariant(0));
        oModel.addInputModel(1, &oA);
        oModel.addInputModel(2, &oB);
        oModel.m_mapRecord = {{1, 11}, {2, 22}};

        QVERIFY(oModel.load());
        QCOMPARE(oA.getValue(), QVariant(11));
        QCOMPARE(oB.getValue(), QVariant(22));
        QVERIFY(!oModel.isModified()); // loaded values are the unmodified state

        // A failed read leaves the values as they are, and modified.
        oModel.m_mapRecord = {{1, 12}};
        oModel.m_bReadSucceeds = false;
        oA.setValue(15);
        QVERIFY(!oModel.load());
        QCOMPARE(oA.getValue(), QVariant(15));
        QVERIFY(oModel.isModified());

        // A failed write keeps the values modified, so the application can retry or discard.
        oModel.m_bWriteSucceeds = false;
        QVERIFY(!oModel.store());
        QVERIFY(oModel.isModified(1));
        QCOMPARE(oModel.m_mapRecord.value(1), QVariant(12));

        oModel.m_bWriteSucceeds = true;
        QVERIFY(oModel.store());
        QVERIFY(!oModel.isModified());
        QCOMPARE(oModel.m_mapRecord.value(1), QVariant(15));
        QCOMPARE(oA.getOriginalValue(), QVariant(15));
        QVERIFY(!oModel.isStored()); // store() does not set the stored flag by itself

        // Values read in place of a damaged record stay modified until they are stored, for
        // this load only.
        oModel.m_bReadSucceeds = true;
        oModel.m_bRecordDamaged = true;
        oModel.m_mapRecord = {{1, 1}, {2, 2}};
        QVERIFY(oModel.load());
        QVERIFY(oModel.isModified(1) && oModel.isModified(2));
        oModel.undoChanges(); // nothing stored to go back to
        QCOMPARE(oA.getValue(), QVariant(1));
        QVERIFY(oModel.store());
        QVERIFY(!oModel.isModified());
        oModel.m_bRecordDamaged = false;
        oModel.m_mapRecord = {{1, 16}};
        QVERIFY(oModel.load());
        QVERIFY(!oModel.isModified());
    }
};

KESTRA_TEST_MAIN(TestSettingsModel)
#include "tst_V40_GUI_SettingsModel.moc"
