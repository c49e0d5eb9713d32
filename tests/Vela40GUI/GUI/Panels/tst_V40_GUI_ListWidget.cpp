// List widget: its look and its rows of at most two columns.
#include "KestraTest.h"

#include "V40_GUI_ListWidget.h"

using V40::GUI::ListWidgetC;

class ListWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void look()
    {
        ListWidgetC oList;
        QCOMPARE(oList.styleSheet(), QString("QTableWidget{alternate-background-color: #E5F7FD;background-color: "
                                             "#FFFFFF;selection-background-color: #F47D35;}"));
        QVERIFY(oList.alternatingRowColors());
        // 22 points of the instrument's 96 dpi screen, in pixels whatever the host's dpi.
        QCOMPARE(oList.font().pixelSize(), 29);
        QCOMPARE(oList.font().weight(), 75);
    }

    void rowsOfAtMostTwoColumns()
    {
        ListWidgetC oList;
        oList.setHeaderLabels({"File name", "Version", "Date"});
        QCOMPARE(oList.columnCount(), 2);
        QCOMPARE(KestraTest::assertTexts(), QStringList {"rlistLabels.size() <= COLUMNMAX"});
        QCOMPARE(oList.currentText(), QString());

        QCOMPARE(oList.addRow({"fw_a.bin", "1.2\n"}), 0);
        QCOMPARE(oList.addRow({"fw_b.bin"}), 1);
        QCOMPARE(oList.currentText(0), QString("fw_a.bin"));

        // The arrow keys choose the row.
        oList.show();
        QVERIFY(QTest::qWaitForWindowExposed(&oList));
        QTest::keyClick(&oList, Qt::Key_Down);
        QCOMPARE(oList.currentText(0), QString("fw_b.bin"));
        QCOMPARE(oList.currentText(1), QString());
    }
};

KESTRA_TEST_MAIN(ListWidgetTest)
#include "tst_V40_GUI_ListWidget.moc"
