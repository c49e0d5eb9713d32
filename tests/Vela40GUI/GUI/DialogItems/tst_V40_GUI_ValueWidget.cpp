// The line-edit field: focus moves with Up/Down and Enter, edits are committed on Enter and when
// the field is left, rejected input beeps and gives the model's value back, and model and field
// show the same value both ways.
#include "KestraTest.h"
#include "FieldTestSupport.h"

#include "V40_GUI_DoubleValidator.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_ValueModel.h"
#include "V40_GUI_ValueWidget.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

using V40::GUI::AbstractValueWidgetC;
using V40::GUI::DoubleValidatorC;
using V40::GUI::ValueWidgetC;

namespace {

int s_iBeeps = 0;

// Fields one below the other, Up and Down wired as a settings panel wires them; the first holds
// rvarFirst, the others "b", "c", ...
struct FormS
{
    QWidget oWindow;
    QList<ValueWidgetC*> lstFields;

    FormS(int iCount, const QVariant& rvarFirst)
    {
        auto* pLayout = new QVBoxLayout(&oWindow);
        for (int i = 0; i < iCount; ++i) {
            auto* pField = new ValueWidgetC(&oWindow);
            const QVariant varValue = i == 0 ? rvarFirst : QVariant(QString(QChar('a' + i)));
            pField->getModel()->reset(varValue, varValue);
            QObject::connect(pField, SIGNAL(arrowUp()), pField, SLOT(simulateBackTab()));
            QObject::connect(pField, SIGNAL(arrowDown()), pField, SLOT(simulateTab()));
            pLayout->addWidget(pField);
            lstFields << pField;
        }
    }
};

} // namespace

class TestValueWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AbstractValueWidgetC::setBeepHook([] { ++s_iBeeps; }); }
    void cleanupTestCase() { AbstractValueWidgetC::setBeepHook(nullptr); }
    void init()
    {
        KestraTest::clearReports();
        s_iBeeps = 0;
    }
    void cleanup() { QCOMPARE(KestraTest::assertTexts(), QStringList()); }

    void focusMovesThroughTheFields_data()
    {
        QTest::addColumn<int>("iStart");
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iFocus");
        QTest::addColumn<QString>("strStartValue");
        QTest::newRow("down") << 0 << "" << int(Qt::Key_Down) << 1 << "a";
        QTest::newRow("up") << 1 << "" << int(Qt::Key_Up) << 0 << "b";
        QTest::newRow("a display-only field is passed by") << 1 << "" << int(Qt::Key_Down) << 3 << "b";
        QTest::newRow("enter commits and moves on") << 0 << "x" << int(Qt::Key_Return) << 1 << "x";
        QTest::newRow("keypad enter") << 1 << "y" << int(Qt::Key_Enter) << 3 << "y";
        QTest::newRow("leaving upwards commits") << 1 << "z" << int(Qt::Key_Up) << 0 << "z";
    }

    void focusMovesThroughTheFields()
    {
        QFETCH(int, iStart);
        QFETCH(QString, strTyped);
        QFETCH(int, iKey);
        QFETCH(int, iFocus);
        QFETCH(QString, strStartValue);
        FormS oForm(4, "a");
        oForm.lstFields.at(2)->setMode(AbstractValueWidgetC::MODE_DISPLAY_ONLY);
        QVERIFY(FieldTest::showActive(oForm.oWindow));
        ValueWidgetC* pStart = oForm.lstFields.at(iStart);
        pStart->setFocus();
        QTest::keyClicks(pStart, strTyped);
        QTest::keyClick(pStart, Qt::Key(iKey));
        QVERIFY(oForm.lstFields.at(iFocus)->hasFocus());
        QCOMPARE(pStart->getValue(), QVariant(strStartValue));
        QCOMPARE(pStart->getLineEdit()->text(), strStartValue);
    }

    void focusInUnlocksAndSelects_data()
    {
        QTest::addColumn<QString>("strMask");
        QTest::addColumn<QString>("strSelected");
        QTest::newRow("all text selected") << "" << "1234";
        QTest::newRow("masked field starts at the front") << "9999" << "";
    }

    void focusInUnlocksAndSelects()
    {
        QFETCH(QString, strMask);
        QFETCH(QString, strSelected);
        FormS oForm(2, "1234");
        ValueWidgetC* pField = oForm.lstFields.first();
        pField->setInputMask(strMask);
        QVERIFY(FieldTest::showActive(oForm.oWindow));
        oForm.lstFields.at(1)->setFocus();
        QLineEdit* pEdit = pField->getLineEdit();
        QVERIFY(pEdit->isReadOnly());

        pEdit->setFocus(); // the editor hands the focus on to its field
        QVERIFY(pField->hasFocus());
        QVERIFY(!pEdit->isReadOnly());
        QCOMPARE(pEdit->selectedText(), strSelected);
        QCOMPARE(pEdit->cursorPosition(), strSelected.isEmpty() ? 0 : 4);
        QCOMPARE(pEdit->palette().color(QPalette::Base), V40::GUI::g_oTitleColor);

        oForm.lstFields.at(1)->setFocus();
        QVERIFY(pEdit->isReadOnly());
        QVERIFY(!pEdit->hasSelectedText());
        QCOMPARE(pEdit->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void commitOnLeaving_data()
    {
        // Number fields: 10 to 100 with 2 decimals, holding 50.0; masked fields "9999", holding "7351".
        QTest::addColumn<bool>("bMasked");
        QTest::addColumn<QString>("strKeys");
        QTest::addColumn<QVariant>("varModel");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<int>("iBeeps");
        QTest::addColumn<int>("iRefusedKeys");
        QTest::newRow("accepted and formatted") << false << "12.5" << QVariant(12.5) << "12.50" << 0 << 0;
        QTest::newRow("out of range: model value back, beep") << false << "5" << QVariant(50.0) << "50.00" << 1 << 0;
        QTest::newRow("cleared: model value back, beep") << false << "\b" << QVariant(50.0) << "50.00" << 1 << 0;
        QTest::newRow("keys the validator refuses never arrive, with a beep") << false << "1234" << QVariant(12.0) << "12.00" << 0 << 2;
        QTest::newRow("nothing typed, nothing written") << false << "" << QVariant(50.0) << "50.00" << 0 << 0;
        QTest::newRow("mask filled") << true << "\b1234" << QVariant("1234") << "1234" << 0 << 0;
        QTest::newRow("mask not filled: model value back, beep") << true << "\b12" << QVariant("7351") << "7351" << 1 << 0;
    }

    void commitOnLeaving()
    {
        QFETCH(bool, bMasked);
        QFETCH(QString, strKeys);
        QFETCH(QVariant, varModel);
        QFETCH(QString, strShown);
        QFETCH(int, iBeeps);
        QFETCH(int, iRefusedKeys);
        FormS oForm(1, bMasked ? QVariant("7351") : QVariant(50.0));
        ValueWidgetC* pField = oForm.lstFields.first();
        if (bMasked)
            pField->setInputMask(QStringLiteral("9999"));
        else
            pField->setValidator(new DoubleValidatorC(10.0, 100.0, 2));
        QVERIFY(FieldTest::showActive(oForm.oWindow));
        const QVariant varBefore = pField->getValue();
        QSignalSpy oModelChanged(pField->getModel(), SIGNAL(valueChanged()));

        FieldTest::TraceCaptureC oCapture;
        pField->setFocus();
        pField->getLineEdit()->selectAll();
        QTest::keyClicks(pField, strKeys);
        pField->clearFocus();

        QCOMPARE(pField->getValue().userType(), varModel.userType());
        QCOMPARE(pField->getValue(), varModel);
        QCOMPARE(pField->getLineEdit()->text(), strShown);
        QCOMPARE(s_iBeeps, iBeeps + iRefusedKeys);
        QCOMPARE(oModelChanged.count(), varModel == varBefore ? 0 : 1);
        // A refused key beeps at once; a refused value when the field is left, with a trace.
        QCOMPARE(oCapture.lines().filter(QRegularExpression("^Value .* is not acceptable\\.$")).size(), iBeeps);
    }

    void commitKeepsTheModelType_data()
    {
        QTest::addColumn<QVariant>("varInitial");
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<QVariant>("varExpected");
        QTest::newRow("whole number") << QVariant(60) << "61" << QVariant(61);
        QTest::newRow("whole number given a fraction") << QVariant(60) << "60.5" << QVariant(60.5);
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << "42" << QVariant(QStringLiteral("42"));
        QTest::newRow("floating point") << QVariant(1.0) << "2" << QVariant(2.0);
    }

    void commitKeepsTheModelType()
    {
        QFETCH(QVariant, varInitial);
        QFETCH(QString, strTyped);
        QFETCH(QVariant, varExpected);
        FormS oForm(1, varInitial);
        ValueWidgetC* pField = oForm.lstFields.first();
        QVERIFY(FieldTest::showActive(oForm.oWindow));
        pField->setFocus();
        QTest::keyClicks(pField, strTyped);
        pField->clearFocus();
        QCOMPARE(pField->getValue().userType(), varExpected.userType());
        QCOMPARE(pField->getValue(), varExpected);
    }

    void modelChangesShowInTheField_data()
    {
        QTest::addColumn<QVariant>("varValue");
        QTest::addColumn<bool>("bValidator");
        QTest::addColumn<QString>("strShown");
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << false << "abc";
        QTest::newRow("number, validator's decimals") << QVariant(1.5) << true << "1.50";
        QTest::newRow("negative zero") << QVariant(-0.0) << true << "0.00";
        QTest::newRow("no value") << QVariant() << false << "----";
        QTest::newRow("no value, with validator") << QVariant() << true << "----";
    }

    void modelChangesShowInTheField()
    {
        QFETCH(QVariant, varValue);
        QFETCH(bool, bValidator);
        QFETCH(QString, strShown);
        FormS oForm(2, "a");
        ValueWidgetC* pField = oForm.lstFields.first();
        if (bValidator)
            pField->setValidator(new DoubleValidatorC(-10.0, 10.0, 2));
        QVERIFY(FieldTest::showActive(oForm.oWindow));
        pField->getModel()->setValue(varValue);
        QCOMPARE(pField->getLineEdit()->text(), strShown);

        // Passing through the field without typing leaves the model alone.
        QSignalSpy oModelChanged(pField->getModel(), SIGNAL(valueChanged()));
        pField->setFocus();
        oForm.lstFields.at(1)->setFocus();
        QCOMPARE(oModelChanged.count(), 0);
        QCOMPARE(pField->getValue(), varValue);
        QCOMPARE(s_iBeeps, 0);
    }

    void keyTheEditorIgnoresGoesUpOnce()
    {
        // Handed to the editor and left alone, a key comes back up through the field; it must go
        // on to the window once, not be handed to the editor again.
        FormS oForm(1, "a");
        QVERIFY(FieldTest::showActive(oForm.oWindow));
        struct FilterC : QObject
        {
            int iPresses = 0;
            bool eventFilter(QObject*, QEvent* pEvent) override
            {
                if (pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape)
                    ++iPresses;
                return false;
            }
        } oFilter;
        oForm.oWindow.installEventFilter(&oFilter);
        QTest::keyClick(oForm.lstFields.first(), Qt::Key_Escape);
        QCOMPARE(oFilter.iPresses, 1);
    }
};

KESTRA_TEST_MAIN(TestValueWidget)
#include "tst_V40_GUI_ValueWidget.moc"
