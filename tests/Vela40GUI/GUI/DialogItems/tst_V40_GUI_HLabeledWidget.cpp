// Labelled rows and columns: any part of the row leads to its field, the unit follows the field.
#include "KestraTest.h"
#include "FieldTestSupport.h"

#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_VLabeledWidget.h"
#include "V40_GUI_ValueWidget.h"

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
        QTest::addColumn<bool>("bClickCaption");
        QTest::newRow("row focused") << true << false;
        QTest::newRow("row caption clicked") << true << true;
        QTest::newRow("column focused") << false << false;
        QTest::newRow("column caption clicked") << false << true;
    }

    void partsOfTheRowLeadToTheField()
    {
        QFETCH(bool, bHorizontal);
        QFETCH(bool, bClickCaption);
        QWidget oWindow;
        auto* pLayout = new QVBoxLayout(&oWindow);
        auto* pOther = new ValueWidgetC(&oWindow);
        auto* pField = new ValueWidgetC();
        QWidget* pRow = bHorizontal ? static_cast<QWidget*>(new HLabeledWidgetC("Humidity", pField))
                                    : static_cast<QWidget*>(new VLabeledWidgetC("Humidity", pField));
        pLayout->addWidget(pOther);
        pLayout->addWidget(pRow);
        QVERIFY(FieldTest::showActive(oWindow));
        QCOMPARE(pField->parentWidget(), pRow);
        QLabel* pCaption = pRow->findChild<QLabel*>();
        QCOMPARE(pCaption->text(), QStringLiteral("Humidity"));

        pOther->setFocus();
        if (bClickCaption)
            QTest::mouseClick(pCaption, Qt::LeftButton);
        else
            pRow->setFocus();
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
        oRow.show();
        QCOMPARE(KestraTest::assertTexts(), (QStringList{"pValueWidget", "pValueWidget"}));
        QCOMPARE(oRow.getCaptionLabel()->text(), QStringLiteral("Caption"));
    }
};

KESTRA_TEST_MAIN(TestLabeledWidgets)
#include "tst_V40_GUI_HLabeledWidget.moc"
