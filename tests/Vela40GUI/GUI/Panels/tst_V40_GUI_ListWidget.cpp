// List widget: its look, how it is drawn, and its rows of at most two columns.
#include "KestraTest.h"

#include "V40_GUI_ListWidget.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

using V40::GUI::ListWidgetC;

namespace {

void fill(ListWidgetC& rList, const QStringList& lstTexts, int iSelected)
{
    rList.setFixedSize(620, 268);
    for (const QString& rText : lstTexts)
        rList.addRow({rText});
    rList.selectRow(iSelected);
}

// As the window shows it: the list's frame is drawn around its opaque rows, not under them.
QImage shown(QWidget& rWidget)
{
    rWidget.show();
    if (!QTest::qWaitForWindowExposed(&rWidget))
        return QImage();
    rWidget.repaint();
    return rWidget.screen()->grabWindow(rWidget.winId()).toImage();
}

} // namespace

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

    void framedAsTheStyleSheetDrawsIt()
    {
        ListWidgetC oList;
        fill(oList, {"RS232", "Internal Bluetooth"}, 0);
        ListWidgetC oPlain;
        oPlain.setStyleSheet(QString());
        oPlain.setStyle(QApplication::style());
        oPlain.setStyleSheet(ListWidgetC::styleSheetText());
        fill(oPlain, {"RS232", "Internal Bluetooth"}, 0);
        const QImage oImage = shown(oList);
        QVERIFY(!oImage.isNull());
        QCOMPARE(oImage, shown(oPlain));
        QCOMPARE(oList.grab().toImage(), oPlain.grab().toImage());
    }

    void rowTextDrawnOnce_data()
    {
        QTest::addColumn<int>("iSelected");
        QTest::newRow("selected row") << 0;
        QTest::newRow("plain row") << 1;
    }

    void rowTextDrawnOnce()
    {
        // A row with its text looks like the row without it, with the text drawn on it once.
        QFETCH(int, iSelected);
        const QStringList lstTexts{"Internal Bluetooth", "RS232"};
        ListWidgetC oList;
        fill(oList, lstTexts, iSelected);
        ListWidgetC oBlank;
        fill(oBlank, {QString(), QString()}, iSelected);
        QImage oExpected = oBlank.grab().toImage();
        QPainter oPainter(&oExpected);
        oPainter.setFont(oList.font());
        oPainter.setPen(Qt::black);
        for (int iRow = 0; iRow < lstTexts.size(); ++iRow) {
            const QRect oCell = oList.visualRect(oList.model()->index(iRow, 0));
            oPainter.drawText(oCell.translated(oList.viewport()->pos()).adjusted(5, 0, -5, 0),
                              Qt::AlignLeft | Qt::AlignVCenter, lstTexts.at(iRow));
        }
        oPainter.end();
        QCOMPARE(oList.grab().toImage(), oExpected);
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
