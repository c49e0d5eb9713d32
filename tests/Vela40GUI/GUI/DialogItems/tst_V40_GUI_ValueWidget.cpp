// The line-edit field: focus moves with Up/Down and Enter, edits are committed on Enter and when
// the field is left, rejected input beeps and gives the model's value back, and model and field
// show the same value both ways.
#include "KestraTest.h"

#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_DoubleValidator.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_UTI_Trace.h"
#include "V40_GUI_ValueModel.h"
#include "V40_GUI_ValueWidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

using V40::GUI::AbstractValueWidgetC;
using V40::GUI::DoubleValidatorC;
using V40::GUI::ValueWidgetC;

namespace {

int s_iBeeps = 0;
void countBeep()
{
    ++s_iBeeps;
}

QStringList s_lstDebugLines;
void captureDebug(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
{
    if (eType == QtDebugMsg)
        s_lstDebugLines << strMessage.trimmed();
}

// Fields one below the other; Up and Down wired the way a settings panel wires them.
struct FormS
{
    QWidget oWindow;
    QList<ValueWidgetC*> lstFields;

    explicit FormS(int iCount, QWidget* pParent = nullptr)
    {
        QWidget* pHost = pParent ? pParent : &oWindow;
        auto* pLayout = new QVBoxLayout(pHost);
        for (int i = 0; i < iCount; ++i) {
            auto* pField = new ValueWidgetC(pHost);
            pField->setObjectName(QStringLiteral("field%1").arg(i));
            QObject::connect(pField, SIGNAL(arrowUp()), pField, SLOT(simulateBackTab()));
            QObject::connect(pField, SIGNAL(arrowDown()), pField, SLOT(simulateTab()));
            pLayout->addWidget(pField);
            lstFields << pField;
        }
        if (!pParent) {
            oWindow.show();
            QApplication::setActiveWindow(&oWindow);
        }
    }

    bool active() { return QTest::qWaitForWindowActive(&oWindow); }
};

// Types into the field and leaves it, as the operator does.
void typeAndLeave(ValueWidgetC* pField, const QString& strKeys)
{
    pField->setFocus();
    QTest::keyClicks(pField, strKeys);
    pField->clearFocus();
}

} // namespace

class TestValueWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AbstractValueWidgetC::setBeepHook(&countBeep); }
    void cleanupTestCase() { AbstractValueWidgetC::setBeepHook(nullptr); }
    void init()
    {
        KestraTest::clearReports();
        s_iBeeps = 0;
        s_lstDebugLines.clear();
    }
    void cleanup() { QVERIFY2(KestraTest::assertTexts().isEmpty(), qPrintable(KestraTest::assertTexts().join('|'))); }

    void focusMovesThroughTheFields_data()
    {
        QTest::addColumn<int>("iStart");
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iFocus");
        QTest::addColumn<QString>("strStartValue");
        QTest::newRow("down") << 0 << "" << int(Qt::Key_Down) << 1 << "a";
        QTest::newRow("up") << 1 << "" << int(Qt::Key_Up) << 0 << "b";
        QTest::newRow("a display-only field is skipped") << 1 << "" << int(Qt::Key_Down) << 3 << "b";
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
        FormS oForm(4);
        const QStringList lstValues{"a", "b", "c", "d"};
        for (int i = 0; i < 4; ++i)
            oForm.lstFields.at(i)->getModel()->reset(lstValues.at(i), lstValues.at(i));
        oForm.lstFields.at(2)->setMode(AbstractValueWidgetC::MODE_DISPLAY_ONLY);
        QVERIFY(oForm.active());

        ValueWidgetC* pStart = oForm.lstFields.at(iStart);
        pStart->setFocus();
        QTest::keyClicks(pStart, strTyped);
        QTest::keyClick(pStart, Qt::Key(iKey));
        QVERIFY(oForm.lstFields.at(iFocus)->hasFocus());
        QCOMPARE(pStart->getValue(), QVariant(strStartValue));
        QCOMPARE(pStart->getLineEdit()->text(), strStartValue);
        QCOMPARE(s_iBeeps, 0);
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
        FormS oForm(2);
        ValueWidgetC* pField = oForm.lstFields.first();
        pField->setInputMask(strMask);
        pField->getModel()->reset(QStringLiteral("1234"), QStringLiteral("1234"));
        QVERIFY(oForm.active());
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
        QTest::addColumn<QString>("strKeys");
        QTest::addColumn<double>("dModel");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<int>("iBeeps");
        QTest::newRow("accepted and formatted") << "12.5" << 12.5 << "12.50" << 0;
        QTest::newRow("out of range: model value back, beep") << "5" << 50.0 << "50.00" << 1;
        QTest::newRow("cleared field: model value back, beep") << "\b" << 50.0 << "50.00" << 1;
        QTest::newRow("keys the validator refuses never arrive") << "1234" << 12.0 << "12.00" << 0;
        QTest::newRow("nothing typed, nothing written") << "" << 50.0 << "50.00" << 0;
    }

    void commitOnLeaving()
    {
        QFETCH(QString, strKeys);
        QFETCH(double, dModel);
        QFETCH(QString, strShown);
        QFETCH(int, iBeeps);
        FormS oForm(1);
        ValueWidgetC* pField = oForm.lstFields.first();
        pField->setValidator(new DoubleValidatorC(10.0, 100.0, 2));
        pField->getModel()->reset(50.0, 50.0);
        QVERIFY(oForm.active());
        QSignalSpy oModelChanged(pField->getModel(), SIGNAL(valueChanged()));

        V40::GUI::UTI::setTraceEnabled(true);
        const QtMessageHandler fnPrevious = qInstallMessageHandler(&captureDebug);
        typeAndLeave(pField, strKeys);
        qInstallMessageHandler(fnPrevious);
        V40::GUI::UTI::setTraceEnabled(false);

        QCOMPARE(pField->getValue().userType(), int(QMetaType::Double));
        QCOMPARE(pField->getValue().toDouble(), dModel);
        QCOMPARE(pField->getLineEdit()->text(), strShown);
        QCOMPARE(s_iBeeps, iBeeps);
        QCOMPARE(oModelChanged.count(), dModel == 50.0 ? 0 : 1);
        QCOMPARE(s_lstDebugLines.filter("is not acceptable").size(), iBeeps);
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
        FormS oForm(1);
        ValueWidgetC* pField = oForm.lstFields.first();
        pField->getModel()->reset(varInitial, varInitial);
        QVERIFY(oForm.active());
        typeAndLeave(pField, strTyped);
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
        FormS oForm(2);
        ValueWidgetC* pField = oForm.lstFields.first();
        if (bValidator)
            pField->setValidator(new DoubleValidatorC(-10.0, 10.0, 2));
        QVERIFY(oForm.active());
        pField->getModel()->setValue(varValue);
        QCOMPARE(pField->getLineEdit()->text(), strShown);
        QVERIFY(pField->isInSync());

        // Passing through the field without typing leaves the model alone.
        QSignalSpy oModelChanged(pField->getModel(), SIGNAL(valueChanged()));
        pField->setFocus();
        oForm.lstFields.at(1)->setFocus();
        QCOMPARE(oModelChanged.count(), 0);
        QCOMPARE(pField->getValue(), varValue);
        QCOMPARE(s_iBeeps, 0);
    }

    void maskDecidesWithoutValidator_data()
    {
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<QString>("strModel");
        QTest::addColumn<int>("iBeeps");
        QTest::newRow("all four digits") << "1234" << "1234" << 0;
        QTest::newRow("two of four digits") << "12" << "7351" << 1;
    }

    void maskDecidesWithoutValidator()
    {
        QFETCH(QString, strTyped);
        QFETCH(QString, strModel);
        QFETCH(int, iBeeps);
        FormS oForm(1);
        ValueWidgetC* pField = oForm.lstFields.first();
        pField->setInputMask(QStringLiteral("9999"));
        pField->getModel()->reset(QStringLiteral("7351"), QStringLiteral("7351"));
        QVERIFY(oForm.active());
        pField->setFocus();
        pField->getLineEdit()->selectAll();
        QTest::keyClick(pField, Qt::Key_Backspace);
        QTest::keyClicks(pField, strTyped);
        pField->clearFocus();
        QCOMPARE(pField->getValue(), QVariant(strModel));
        QCOMPARE(s_iBeeps, iBeeps);
    }

    void keyTheEditorIgnoresGoesUpOnce()
    {
        // A key handed to the editor and left alone comes back up through the field; it must
        // go on to the window once, not be handed to the editor again.
        FormS oForm(1);
        QVERIFY(oForm.active());
        int iWindowPresses = 0;
        struct FilterC : QObject
        {
            int* piCount;
            explicit FilterC(int* pi) : piCount(pi) {}
            bool eventFilter(QObject*, QEvent* pEvent) override
            {
                if (pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape)
                    ++*piCount;
                return false;
            }
        } oFilter(&iWindowPresses);
        oForm.oWindow.installEventFilter(&oFilter);
        oForm.lstFields.first()->setFocus();
        QTest::keyClick(oForm.lstFields.first(), Qt::Key_Escape);
        QCOMPARE(iWindowPresses, 1);
    }

    void widthModes_data()
    {
        QTest::addColumn<int>("iWidthMode");
        QTest::addColumn<int>("iMinimum");
        QTest::addColumn<int>("iMaximum");
        QTest::newRow("fixed") << 0 << 228 << 228;
        QTest::newRow("up to fixed") << 1 << 0 << 228;
        QTest::newRow("unchanged") << 2 << 0 << 300;
        QTest::newRow("up to wide") << 3 << 0 << 300;
    }

    void widthModes()
    {
        QFETCH(int, iWidthMode);
        QFETCH(int, iMinimum);
        QFETCH(int, iMaximum);
        ValueWidgetC oField;
        QCOMPARE(oField.minimumWidth(), 228);
        QCOMPARE(oField.maximumWidth(), 228);
        oField.setWidthMode(ValueWidgetC::WIDTH_UP_TO_WIDE);
        oField.setWidthMode(iWidthMode);
        QCOMPARE(oField.getWidthMode(), iWidthMode);
        QCOMPARE(oField.minimumWidth(), iMinimum);
        QCOMPARE(oField.maximumWidth(), iMaximum);
    }

    void insideTheMainWindow()
    {
        V40::GUI::MainWindowC::create();
        V40::GUI::MainWindowC* pWindow = V40::GUI::MainWindowC::instance();
        QApplication::setActiveWindow(pWindow);
        QVERIFY(QTest::qWaitForWindowActive(pWindow));
        auto* pPage = new V40::GUI::ContentBarBaseWidgetC();
        FormS oForm(3, pPage);
        pWindow->setContentBar(pPage);
        ValueWidgetC* pFirst = oForm.lstFields.at(0);
        pFirst->setHasFocus();
        QTest::keyClicks(pFirst, QStringLiteral("new"));
        QTest::keyClick(pFirst, Qt::Key_Return);
        QVERIFY(oForm.lstFields.at(1)->hasFocus());
        QCOMPARE(pFirst->getValue(), QVariant(QStringLiteral("new")));
        QTest::keyClick(oForm.lstFields.at(1), Qt::Key_Down);
        QVERIFY(oForm.lstFields.at(2)->hasFocus());
        QTest::keyClick(oForm.lstFields.at(2), Qt::Key_Up);
        QVERIFY(oForm.lstFields.at(1)->hasFocus());
        pWindow->setEmptyContentBar();
        delete pPage;
        V40::GUI::MainWindowC::destroy();
    }
};

KESTRA_TEST_MAIN(TestValueWidget)
#include "tst_V40_GUI_ValueWidget.moc"
