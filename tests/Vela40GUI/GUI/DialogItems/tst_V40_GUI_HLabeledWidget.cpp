// Labelled rows and columns: any part of the row leads to its field, the unit follows the field.
#include "KestraTest.h"

#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_VLabeledWidget.h"
#include "V40_GUI_ValueWidget.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

using V40::GUI::HLabeledWidgetC;
using V40::GUI::ValueWidgetC;
using V40::GUI::VLabeledWidgetC;

class TestLabeledWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void partsOfTheRowLeadToTheField_data()
    {
        QTest::addColumn<bool>("bHorizontal");
        QTest::addColumn<QString>("strPart");
        QTest::newRow("row, focused") << true << "row";
        QTest::newRow("row, caption clicked") << true << "caption";
        QTest::newRow("column, focused") << false << "row";
        QTest::newRow("column, caption clicked") << false << "caption";
    }

    void partsOfTheRowLeadToTheField()
    {
        QFETCH(bool, bHorizontal);
        QFETCH(QString, strPart);
        QWidget oWindow;
        auto* pLayout = new QVBoxLayout(&oWindow);
        auto* pOther = new ValueWidgetC(&oWindow);
        pLayout->addWidget(pOther);
        auto* pField = new ValueWidgetC();
        QWidget* pRow = nullptr;
        QLabel* pCaption = nullptr;
        if (bHorizontal) {
            auto* pHRow = new HLabeledWidgetC(QStringLiteral("Humidity"), pField, &oWindow);
            pCaption = pHRow->getCaptionLabel();
            pRow = pHRow;
        } else {
            auto* pVRow = new VLabeledWidgetC(QStringLiteral("Humidity"), pField, &oWindow);
            pCaption = pVRow->getCaptionLabel();
            pRow = pVRow;
        }
        pLayout->addWidget(pRow);
        oWindow.show();
        QApplication::setActiveWindow(&oWindow);
        QVERIFY(QTest::qWaitForWindowActive(&oWindow));
        QCOMPARE(pField->parentWidget(), pRow);
        QCOMPARE(pCaption->text(), QStringLiteral("Humidity"));

        pOther->setFocus();
        if (strPart == "row")
            pRow->setFocus();
        else
            QTest::mouseClick(pCaption, Qt::LeftButton);
        QVERIFY(pField->hasFocus());
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void unitLabelFollowsTheField()
    {
        auto* pField = new ValueWidgetC();
        HLabeledWidgetC oRow(QStringLiteral("Humidity"), pField);
        QVERIFY(oRow.getUnitLabel()->isHidden());
        pField->setUnitText(QStringLiteral("%"));
        oRow.show();
        QCOMPARE(oRow.getUnitLabel()->text(), QStringLiteral("%"));
        QVERIFY(oRow.getUnitLabel()->isVisible());
    }

    void missingFieldIsReported()
    {
        HLabeledWidgetC oRow(QStringLiteral("Caption"), nullptr);
        VLabeledWidgetC oColumn(QStringLiteral("Caption"), nullptr);
        QCOMPARE(KestraTest::assertTexts(), (QStringList{"pValueWidget", "pValueWidget"}));
        QCOMPARE(oRow.getValueWidget(), nullptr);
        oRow.show();
        QCOMPARE(oRow.getCaptionLabel()->text(), QStringLiteral("Caption"));
    }
};

KESTRA_TEST_MAIN(TestLabeledWidgets)
#include "tst_V40_GUI_HLabeledWidget.moc"
