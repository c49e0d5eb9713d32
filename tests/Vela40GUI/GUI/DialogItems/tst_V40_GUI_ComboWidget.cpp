// The choice field: stepping wraps around both ways, the model holds the chosen entry's value,
// misuse is reported and changes nothing.
#include "KestraTest.h"
#include "FieldTestSupport.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_ValueModel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using V40::GUI::AbstractValueWidgetC;
using V40::GUI::ComboWidgetC;

namespace {

// A, B, C with the values 10, 20, 30, in a shown window.
struct ChoiceS
{
    QWidget oWindow;
    ComboWidgetC* pCombo;

    ChoiceS()
    {
        auto* pLayout = new QVBoxLayout(&oWindow);
        pCombo = new ComboWidgetC(&oWindow);
        pCombo->getModel()->reset(10, 10);
        pCombo->addItem("A", 10);
        pCombo->addItem("B", 20);
        pCombo->addItem("C", 30);
        pLayout->addWidget(pCombo);
    }
};

} // namespace

class TestComboWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void stepsWrapAround_data()
    {
        QTest::addColumn<int>("iStart");
        QTest::addColumn<QString>("strStep");
        QTest::addColumn<int>("iIndex");
        QTest::newRow("increment at the end wraps") << 2 << "increment" << 0;
        QTest::newRow("decrement at the start wraps") << 0 << "decrement" << 2;
        QTest::newRow("increment") << 0 << "increment" << 1;
        QTest::newRow("right key") << 1 << "right" << 2;
        QTest::newRow("left key at the start") << 0 << "left" << 2;
        QTest::newRow("switch button at the end") << 2 << "button" << 0;
    }

    void stepsWrapAround()
    {
        QFETCH(int, iStart);
        QFETCH(QString, strStep);
        QFETCH(int, iIndex);
        ChoiceS oChoice;
        ComboWidgetC* pCombo = oChoice.pCombo;
        QVERIFY(FieldTest::showActive(oChoice.oWindow));
        pCombo->setCurrentIndex(iStart);
        if (strStep == "increment")
            pCombo->incrementIndex();
        else if (strStep == "decrement")
            pCombo->decrementIndex();
        else if (strStep == "right" || strStep == "left")
            QTest::keyClick(pCombo, strStep == "right" ? Qt::Key_Right : Qt::Key_Left);
        else
            pCombo->getSwitchButton()->click();
        QCOMPARE(pCombo->getCurrentIndex(), iIndex);
        QCOMPARE(pCombo->getValue(), QVariant((iIndex + 1) * 10));
        QCOMPARE(pCombo->getValueLabel()->text(), QString(QChar('A' + iIndex)));
        if (strStep == "button")
            QVERIFY(pCombo->hasFocus());
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void invalidIndexChangesNothing_data()
    {
        QTest::addColumn<bool>("bEntries");
        QTest::addColumn<int>("iIndex");
        QTest::newRow("count") << true << 3;
        QTest::newRow("negative") << true << -1;
        QTest::newRow("no entries") << false << 0;
    }

    void invalidIndexChangesNothing()
    {
        QFETCH(bool, bEntries);
        QFETCH(int, iIndex);
        ComboWidgetC oEmpty;
        ChoiceS oChoice;
        ComboWidgetC* pCombo = bEntries ? oChoice.pCombo : &oEmpty;
        const int iBefore = pCombo->getCurrentIndex();
        pCombo->incrementIndex(); // without entries: nothing to step through, nothing reported
        pCombo->decrementIndex();
        QVERIFY(KestraTest::assertTexts().isEmpty());
        pCombo->setCurrentIndex(iIndex);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"Index out of range."});
        QCOMPARE(pCombo->getCurrentIndex(), iBefore);
        QCOMPARE(pCombo->getValue(), bEntries ? QVariant(10) : QVariant(QString()));
    }

    void followsTheModel_data()
    {
        QTest::addColumn<QVariant>("varModel");
        QTest::addColumn<int>("iIndex");
        QTest::addColumn<QVariant>("varHeld");
        QTest::addColumn<QStringList>("lstReports");
        QTest::newRow("value of an entry") << QVariant(30) << 2 << QVariant(30) << QStringList();
        QTest::newRow("same number, other type") << QVariant(20.0) << 1 << QVariant(20.0) << QStringList();
        QTest::newRow("value of no entry") << QVariant(99) << 0 << QVariant(10) << QStringList{"Unknown value."};
        QTest::newRow("value of no type of the entries") << QVariant(QStringLiteral("x")) << 0 << QVariant(10)
                                                          << QStringList{"Unknown value."};
    }

    void followsTheModel()
    {
        QFETCH(QVariant, varModel);
        QFETCH(int, iIndex);
        QFETCH(QVariant, varHeld);
        QFETCH(QStringList, lstReports);
        ChoiceS oChoice;
        oChoice.pCombo->setCurrentIndex(1);
        oChoice.pCombo->getModel()->setValue(varModel);
        QCOMPARE(oChoice.pCombo->getCurrentIndex(), iIndex);
        QCOMPARE(oChoice.pCombo->getValue(), varHeld);
        QCOMPARE(oChoice.pCombo->getValueLabel()->text(), oChoice.pCombo->itemText(iIndex));
        QCOMPARE(KestraTest::assertTexts(), lstReports);
    }

    void loadedChoiceIsShown_data()
    {
        QTest::addColumn<QVariant>("varLoaded");
        QTest::addColumn<QString>("strShown");
        QTest::newRow("yes") << QVariant(true) << "Yes";
        QTest::newRow("no") << QVariant(false) << "No";
    }

    void loadedChoiceIsShown()
    {
        // As a panel does it: entries first, then the loaded value into the fresh field's model.
        QFETCH(QVariant, varLoaded);
        QFETCH(QString, strShown);
        ComboWidgetC oCombo;
        oCombo.addItem("Yes", true);
        oCombo.addItem("No", false);
        oCombo.getModel()->reset(varLoaded, true);
        oCombo.show();
        QCOMPARE(oCombo.getValueLabel()->text(), strShown);
        QCOMPARE(oCombo.getValue().toBool(), varLoaded.toBool());
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void lookupOfNoEntryIsReported()
    {
        ChoiceS oChoice;
        QCOMPARE(oChoice.pCombo->getTextForValue(20), QStringLiteral("B"));
        QCOMPARE(oChoice.pCombo->getValueForText(QStringLiteral("C")), QVariant(30));
        QCOMPARE(oChoice.pCombo->getTextForValue(QVariant()), QString());
        QCOMPARE(oChoice.pCombo->getValueForText(QStringLiteral("D")), QVariant());
        QCOMPARE(KestraTest::assertTexts(), (QStringList{"Unknown or invalid value.", "Unknown or invalid value."}));
    }

    void displayOnlyIgnoresTheButton_data()
    {
        QTest::addColumn<int>("iMode");
        QTest::addColumn<int>("iIndex");
        QTest::newRow("editable") << int(AbstractValueWidgetC::MODE_EDITABLE) << 1;
        QTest::newRow("display only") << int(AbstractValueWidgetC::MODE_DISPLAY_ONLY) << 0;
    }

    void displayOnlyIgnoresTheButton()
    {
        QFETCH(int, iMode);
        QFETCH(int, iIndex);
        ChoiceS oChoice;
        oChoice.pCombo->setMode(iMode);
        oChoice.pCombo->setMode(iMode); // twice: still one connection
        oChoice.pCombo->getSwitchButton()->click();
        QCOMPARE(oChoice.pCombo->getCurrentIndex(), iIndex);
        QCOMPARE(oChoice.pCombo->focusPolicy(), iMode == 0 ? Qt::StrongFocus : Qt::NoFocus);
    }

    void widestEntrySetsTheMinimumWidth()
    {
        QWidget oPage; // before the combo, which leaves it first
        ComboWidgetC oCombo;
        QLabel* pLabel = oCombo.getValueLabel();
        const QFontMetrics oMetrics(pLabel->font());
        {
            FieldTest::TraceCaptureC oCapture;
            oCombo.addItem("mm", 1);
            oCombo.addItem("a much longer entry", 2);
            oCombo.addItem("m", 3);
            const QStringList lstLines = oCapture.lines();
            // Only entries wider than all before widen the label; the trace tells the new width.
            QCOMPARE(lstLines.size(), 2);
            QVERIFY(pLabel->minimumWidth() >= oMetrics.horizontalAdvance(QStringLiteral("a much longer entry")));
            QCOMPARE(lstLines.last(), QStringLiteral("ComboWidget: new minimum width: %1").arg(pLabel->minimumWidth()));
            QVERIFY(lstLines.first() != lstLines.last());
        }

        // Shown in a page, the same font again: nothing changes, nothing is traced.
        FieldTest::TraceCaptureC oShown;
        oPage.setFont(oCombo.font());
        oCombo.setParent(&oPage);
        oPage.show();
        QCoreApplication::processEvents();
        QCOMPARE(oShown.lines().filter("minimum width"), QStringList());
        // A larger font widens the label once.
        const QFont oFirstFont = oCombo.font();
        const int iFirstWidth = pLabel->minimumWidth();
        QFont oLarger = oFirstFont;
        oLarger.setPixelSize(QFontInfo(oLarger).pixelSize() * 2);
        oPage.setFont(oLarger);
        QCOMPARE(oShown.lines().filter("minimum width").size(), 1);
        QVERIFY(pLabel->minimumWidth() > iFirstWidth);
        // Back in the first font, every entry is measured in it again: the label narrows.
        oPage.setFont(oFirstFont);
        QCOMPARE(pLabel->minimumWidth(), iFirstWidth);
    }
};

KESTRA_TEST_MAIN(TestComboWidget)
#include "tst_V40_GUI_ComboWidget.moc"
