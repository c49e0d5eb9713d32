// The value model — original, current, previous and default value, undo and signals.
#include "KestraTest.h"

#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#include <QMetaMethod>
#include <QSignalSpy>

using V40::GUI::ValueModelC;

class TestValueModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void metaObject()
    {
        const QMetaObject& rMeta = ValueModelC::staticMetaObject;
        const QList<QPair<QByteArray, QMetaMethod::MethodType>> lstExpected = {
            {"valueChanged()", QMetaMethod::Signal},
            {"setValue(QVariant)", QMetaMethod::Slot},
            {"setToDefault()", QMetaMethod::Slot},
            {"undoLastChange()", QMetaMethod::Slot},
            {"undoChanges()", QMetaMethod::Slot},
            {"setOriginalToCurrentValue()", QMetaMethod::Slot},
            {"reset(QVariant,QVariant)", QMetaMethod::Slot},
        };
        QCOMPARE(rMeta.methodCount() - rMeta.methodOffset(), lstExpected.size());
        for (int i = 0; i < lstExpected.size(); ++i) {
            const QMetaMethod oMethod = rMeta.method(rMeta.methodOffset() + i);
            QCOMPARE(oMethod.methodSignature(), lstExpected[i].first);
            QCOMPARE(oMethod.methodType(), lstExpected[i].second);
        }
        QCOMPARE(rMeta.propertyCount(), rMeta.propertyOffset());
    }

    void constructors()
    {
        ValueModelC oEmpty(nullptr);
        QCOMPARE(oEmpty.getValue(), QVariant(QString("")));
        QCOMPARE(oEmpty.getValue().type(), QVariant::String);
        QCOMPARE(oEmpty.getOriginalValue(), QVariant(QString("")));
        QCOMPARE(oEmpty.getPreviousValue(), QVariant(QString("")));
        QVERIFY(!oEmpty.getDefaultValue().isValid());
        QVERIFY(!oEmpty.isModified());
        QVERIFY(oEmpty.isAcceptInvalid());

        QObject oParent;
        auto* pWithDefault = new ValueModelC(QVariant(3), QVariant(7), &oParent);
        QCOMPARE(pWithDefault->parent(), &oParent);
        QCOMPARE(pWithDefault->getValue(), QVariant(3));
        QCOMPARE(pWithDefault->getOriginalValue(), QVariant(3));
        QCOMPARE(pWithDefault->getPreviousValue(), QVariant(3));
        QCOMPARE(pWithDefault->getDefaultValue(), QVariant(7));
        QVERIFY(!pWithDefault->isModified());
        QVERIFY(pWithDefault->isAcceptInvalid());

        ValueModelC oValueOnly(QVariant(2.5), &oParent);
        QCOMPARE(oValueOnly.getDefaultValue(), QVariant(2.5));
        QVERIFY(oValueOnly.isAcceptInvalid());
        ValueModelC oNoParent(QVariant(QStringLiteral("x")));
        QCOMPARE(oNoParent.getDefaultValue(), QVariant(QStringLiteral("x")));
    }

    void setValueSignals()
    {
        ValueModelC oModel(QVariant(1), QVariant(9));
        QSignalSpy oSpy(&oModel, &ValueModelC::valueChanged);
        oModel.setValue(1); // equal: nothing
        QCOMPARE(oSpy.count(), 0);
        QVERIFY(!oModel.isModified());
        oModel.setValue(2);
        QCOMPARE(oSpy.count(), 1);
        QCOMPARE(oModel.getValue(), QVariant(2));
        QCOMPARE(oModel.getPreviousValue(), QVariant(1));
        QVERIFY(oModel.isModified());
        oModel.setValue(2);
        QCOMPARE(oSpy.count(), 1);
        oModel.setValue(1); // back to the original: unmodified again
        QCOMPARE(oSpy.count(), 2);
        QVERIFY(!oModel.isModified());
        QCOMPARE(oModel.getPreviousValue(), QVariant(2));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void invalidValues()
    {
        ValueModelC oModel(QVariant(1));
        QSignalSpy oSpy(&oModel, &ValueModelC::valueChanged);
        oModel.setValue(QVariant()); // accepted by default
        QCOMPARE(oSpy.count(), 1);
        QVERIFY(!oModel.getValue().isValid());
        QVERIFY(oModel.isModified());
        QVERIFY(KestraTest::assertTexts().isEmpty());

        oModel.setValue(5);
        oModel.setAcceptInvalid(false);
        QVERIFY(!oModel.isAcceptInvalid());
        oModel.setValue(QVariant());
        QCOMPARE(oModel.getValue(), QVariant(5));
        QCOMPARE(oSpy.count(), 2);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"rvarValue.isValid()"});
        QCOMPARE(BSS::TEST::assertReports().first().strSource, QStringLiteral("V40_GUI_ValueModel"));

        // Undoing to an invalid previous value is refused the same way.
        KestraTest::clearReports();
        ValueModelC oOther(QVariant(1));
        oOther.setValue(QVariant());
        oOther.setValue(4);
        oOther.setAcceptInvalid(false);
        oOther.undoLastChange();
        QCOMPARE(oOther.getValue(), QVariant(4));
        QCOMPARE(KestraTest::assertTexts(), QStringList{"rvarValue.isValid()"});
    }

    void setToDefault()
    {
        ValueModelC oModel(QVariant(1), QVariant(9));
        QSignalSpy oSpy(&oModel, &ValueModelC::valueChanged);
        oModel.setToDefault();
        QCOMPARE(oModel.getValue(), QVariant(9));
        QCOMPARE(oModel.getPreviousValue(), QVariant(1));
        QCOMPARE(oSpy.count(), 1);
        QVERIFY(oModel.isModified());
        oModel.setToDefault();
        QCOMPARE(oSpy.count(), 1);

        ValueModelC oNoDefault(QVariant(1), QVariant());
        QSignalSpy oSpyNoDefault(&oNoDefault, &ValueModelC::valueChanged);
        oNoDefault.setValue(2);
        oNoDefault.setToDefault(); // invalid default: nothing changes
        QCOMPARE(oNoDefault.getValue(), QVariant(2));
        QCOMPARE(oSpyNoDefault.count(), 1);
        ValueModelC oEmpty;
        oEmpty.setToDefault();
        QCOMPARE(oEmpty.getValue(), QVariant(QString("")));
    }

    void undoLastChangeToggles()
    {
        ValueModelC oModel(QVariant(QStringLiteral("a")));
        oModel.setValue(QStringLiteral("b"));
        oModel.setValue(QStringLiteral("c"));
        QSignalSpy oSpy(&oModel, &ValueModelC::valueChanged);
        oModel.undoLastChange();
        QCOMPARE(oModel.getValue(), QVariant(QStringLiteral("b")));
        oModel.undoLastChange(); // back to the value before the first undo
        QCOMPARE(oModel.getValue(), QVariant(QStringLiteral("c")));
        oModel.undoLastChange();
        QCOMPARE(oModel.getValue(), QVariant(QStringLiteral("b")));
        QCOMPARE(oSpy.count(), 3);
        // Right after construction previous equals current: nothing to undo.
        ValueModelC oFresh(QVariant(1));
        QSignalSpy oSpyFresh(&oFresh, &ValueModelC::valueChanged);
        oFresh.undoLastChange();
        QCOMPARE(oSpyFresh.count(), 0);
    }

    void undoChanges()
    {
        ValueModelC oModel(QVariant(10), QVariant(0));
        oModel.setValue(11);
        oModel.setValue(12);
        oModel.undoChanges();
        QCOMPARE(oModel.getValue(), QVariant(10));
        QCOMPARE(oModel.getPreviousValue(), QVariant(12));
        QVERIFY(!oModel.isModified());

        // An invalid original is not restored.
        ValueModelC oInvalidOriginal(QVariant(), QVariant(1));
        oInvalidOriginal.setValue(3);
        oInvalidOriginal.undoChanges();
        QCOMPARE(oInvalidOriginal.getValue(), QVariant(3));
    }

    void setOriginalToCurrentValue()
    {
        ValueModelC oModel(QVariant(1));
        QSignalSpy oSpy(&oModel, &ValueModelC::valueChanged);
        oModel.setValue(2);
        oModel.setOriginalToCurrentValue();
        QVERIFY(!oModel.isModified());
        QCOMPARE(oModel.getOriginalValue(), QVariant(2));
        QCOMPARE(oSpy.count(), 1); // no signal of its own
        oModel.setValue(QVariant());
        oModel.setOriginalToCurrentValue(); // invalid current: original kept
        QCOMPARE(oModel.getOriginalValue(), QVariant(2));
        QVERIFY(oModel.isModified());
    }

    void reset()
    {
        ValueModelC oModel(QVariant(1), QVariant(0));
        oModel.setValue(5);
        QSignalSpy oSpy(&oModel, &ValueModelC::valueChanged);
        oModel.reset(QVariant(7), QVariant(3));
        QCOMPARE(oModel.getValue(), QVariant(7));
        QCOMPARE(oModel.getOriginalValue(), QVariant(7));
        QCOMPARE(oModel.getDefaultValue(), QVariant(3));
        QCOMPARE(oModel.getPreviousValue(), QVariant(5));
        QVERIFY(!oModel.isModified());
        QCOMPARE(oSpy.count(), 1);
        oModel.reset(QVariant(7), QVariant(4)); // current unchanged: no signal
        QCOMPARE(oSpy.count(), 1);
        QCOMPARE(oModel.getDefaultValue(), QVariant(4));
        oModel.setValue(8);
        oModel.reset(QVariant(7), QVariant(4)); // a reset makes the value unmodified
        QVERIFY(!oModel.isModified());

        // A refused invalid value leaves the model as it was (no invalid original behind).
        oModel.setAcceptInvalid(false);
        KestraTest::clearReports();
        oModel.reset(QVariant(), QVariant(1));
        QCOMPARE(KestraTest::assertTexts(), QStringList{"rvarValue.isValid()"});
        QCOMPARE(oModel.getValue(), QVariant(7));
        QCOMPARE(oModel.getOriginalValue(), QVariant(7));
        QCOMPARE(oModel.getDefaultValue(), QVariant(4));
        QVERIFY(!oModel.isModified());
    }

    void slotsByName()
    {
        ValueModelC oModel(QVariant(1), QVariant(2));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "setValue", Q_ARG(QVariant, QVariant(5))));
        QCOMPARE(oModel.getValue(), QVariant(5));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "setToDefault"));
        QCOMPARE(oModel.getValue(), QVariant(2));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "undoLastChange"));
        QCOMPARE(oModel.getValue(), QVariant(5));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "undoChanges"));
        QCOMPARE(oModel.getValue(), QVariant(1));
        QVERIFY(QMetaObject::invokeMethod(&oModel, "reset", Q_ARG(QVariant, QVariant(4)), Q_ARG(QVariant, QVariant(6))));
        QCOMPARE(oModel.getValue(), QVariant(4));
        oModel.setValue(9);
        QVERIFY(QMetaObject::invokeMethod(&oModel, "setOriginalToCurrentValue"));
        QVERIFY(!oModel.isModified());
    }
};

KESTRA_TEST_MAIN(TestValueModel)
#include "tst_V40_GUI_ValueModel.moc"
