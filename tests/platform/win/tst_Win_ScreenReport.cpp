// The picture and text report of a window asked for from outside, as the screen tour asks for
// them: every visible text, and which of them are cut off.
#include "KestraTest.h"

#include "Ferrolib/BSS_SIM_Simulator.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

class ScreenReportTest : public QObject
{
    Q_OBJECT

private slots:
    void textsThatDoNotFitAreCut_data()
    {
        QTest::addColumn<QString>("strKind");
        QTest::addColumn<QString>("strLine");
        QTest::newRow("label fits") << "label 200" << "fits QLabel Angle accuracy";
        QTest::newRow("label too narrow") << "label 30" << "CUT QLabel Angle accuracy (needs";
        QTest::newRow("wrapped label too low") << "wrapped" << "CUT QLabel Angle accuracy (needs";
        QTest::newRow("field shows all") << "field 200" << "fits QLineEdit Angle accuracy";
        QTest::newRow("field scrolled") << "field 40" << "CUT QLineEdit Angle accuracy (needs";
        QTest::newRow("button too narrow") << "button" << "CUT QPushButton Angle accuracy (needs";
        QTest::newRow("out of the window") << "outside" << "CUT QLabel Angle accuracy (sticks out of its parent)";
    }

    void textsThatDoNotFitAreCut()
    {
        QFETCH(QString, strKind);
        QFETCH(QString, strLine);
        const QString strText = QStringLiteral("Angle accuracy");
        QWidget oWindow;
        oWindow.setWindowTitle(QStringLiteral("KestraToolkit"));
        oWindow.setFixedSize(320, 100);
        QWidget* pText = nullptr;
        if (strKind.startsWith("label") || strKind == "outside") {
            pText = new QLabel(strText, &oWindow);
            pText->setGeometry(strKind == "outside" ? 250 : 0, 0, strKind == "label 30" ? 30 : 200, 30);
        } else if (strKind == "wrapped") {
            auto* pLabel = new QLabel(strText, &oWindow);
            pLabel->setWordWrap(true);
            pLabel->setGeometry(0, 0, 60, 12);
            pText = pLabel;
        } else if (strKind.startsWith("field")) {
            pText = new QLineEdit(strText, &oWindow);
            pText->setGeometry(0, 0, strKind.section(' ', 1).toInt(), 30);
        } else {
            pText = new QPushButton(strText, &oWindow);
            pText->setGeometry(0, 0, 30, 30);
        }
        oWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&oWindow));

        QTemporaryDir oDir;
        const QString strPng = oDir.filePath("screen.png");
        QVERIFY(BSS::SIM::grabWindow(QStringLiteral("KestraToolkit"), strPng));
        QFile oReport(oDir.filePath("screen.txt"));
        QVERIFY(KestraTest::waitFor([&] { return oReport.exists(); }));
        QVERIFY(oReport.open(QIODevice::ReadOnly));
        const QString strReport = QString::fromUtf8(oReport.readAll());
        QVERIFY2(strReport.startsWith(strLine), qPrintable(strReport));
        QCOMPARE(QImage(strPng).size(), QSize(320, 100));
    }
};

KESTRA_TEST_MAIN(ScreenReportTest)
#include "tst_Win_ScreenReport.moc"
