// Tab panel: at most four pages, the header band from the second page on, turning pages with the
// slots and with clicks into the band, and what the band shows.
#include "KestraTest.h"

#include "V40_GUI_TabPanel.h"
#include "V40_LNG_TextTokens.h"

#include <QLayout>

using V40::GUI::TabPanelC;

class TabPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (V40::LNG::textTokens().isEmpty())
            V40::LNG::initTextTokens();
    }

    void init() { KestraTest::clearReports(); }

    void pagesAndHeaderBand()
    {
        QPointer<QWidget> pRefused;
        {
            TabPanelC oPanel;
            QList<int> listTopMargins;
            for (int iPage = 0; iPage < 5; ++iPage) {
                pRefused = new QWidget();
                oPanel.addTab(pRefused);
                listTopMargins << oPanel.layout()->contentsMargins().top();
            }
            QCOMPARE(oPanel.count(), 4);
            QCOMPARE(listTopMargins, (QList<int> {0, 42, 42, 42, 42}));
            QCOMPARE(KestraTest::assertTexts(), QStringList {"m_pStackedWidget->count()<COUNTMAX"});
            QVERIFY(oPanel.widget(3)->autoFillBackground());
            QCOMPARE(oPanel.widget(3)->palette().color(QPalette::Window), QColor(Qt::white));
            QVERIFY(pRefused && !pRefused->isVisible());
        }
        // The refused fifth page went with the panel.
        QVERIFY(!pRefused);
    }

    void turningPages()
    {
        TabPanelC oEmpty;
        oEmpty.onNextTab();
        oEmpty.onPreviousTab();
        QCOMPARE(oEmpty.currentIndex(), -1);

        TabPanelC oPanel;
        for (int iPage = 0; iPage < 3; ++iPage)
            oPanel.addTab(new QWidget());
        QCOMPARE(oPanel.currentIndex(), 0);
        oPanel.onPreviousTab();
        QCOMPARE(oPanel.currentIndex(), 2);
        oPanel.onNextTab();
        QCOMPARE(oPanel.currentIndex(), 0);
        oPanel.onNextTab();
        QCOMPARE(oPanel.currentIndex(), 1);
    }

    void clicksInTheHeaderBand()
    {
        TabPanelC oPanel;
        oPanel.resize(640, 300);
        for (int iPage = 0; iPage < 3; ++iPage)
            oPanel.addTab(new QWidget());
        oPanel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&oPanel));

        QTest::mouseClick(&oPanel, Qt::LeftButton, Qt::NoModifier, oPanel.headerRect(2).center());
        QCOMPARE(oPanel.currentIndex(), 2);
        // Beside the last header, and below the band: no page there.
        QTest::mouseClick(&oPanel, Qt::LeftButton, Qt::NoModifier, QPoint(oPanel.headerRect(3).center().x(), 20));
        QTest::mouseClick(&oPanel, Qt::LeftButton, Qt::NoModifier, QPoint(oPanel.headerRect(0).center().x(), 60));
        QCOMPARE(oPanel.currentIndex(), 2);
        QTest::mouseClick(&oPanel, Qt::LeftButton, Qt::NoModifier, QPoint(oPanel.headerRect(0).left() + 20, 30));
        QCOMPARE(oPanel.currentIndex(), 0);
    }

    void headerPainting()
    {
        TabPanelC oPanel;
        oPanel.resize(640, 300);
        oPanel.addTab(new QWidget());
        // One page: no band at all.
        QImage oImage = oPanel.grab().toImage();
        const QPoint oInside(oPanel.headerRect(0).left() + 14, oPanel.headerRect(0).bottom() - 2);
        QVERIFY(oImage.pixelColor(oInside) != QColor(170, 170, 180));

        oPanel.addTab(new QWidget());
        oPanel.onNextTab();
        oImage = oPanel.grab().toImage();
        const QPoint oInsideSecond(oPanel.headerRect(1).left() + 14, oPanel.headerRect(1).bottom() - 2);
        QCOMPARE(oImage.pixelColor(oInsideSecond), QColor(170, 170, 180));
        QVERIFY(oImage.pixelColor(oInside) != QColor(170, 170, 180));

        // The band drawn once follows the page in front, a new page and the width.
        oPanel.onNextTab();
        const QImage oFirstInFront = oPanel.grab().toImage();
        QCOMPARE(oFirstInFront.pixelColor(oInside), QColor(170, 170, 180));
        oPanel.onNextTab();
        QCOMPARE(oPanel.grab().toImage(), oImage);
        oPanel.addTab(new QWidget());
        const QPoint oTopOfThird(oPanel.headerRect(2).center().x(), oPanel.headerRect(2).top());
        QVERIFY(oPanel.grab().toImage().pixelColor(oTopOfThird) != oImage.pixelColor(oTopOfThird));
        oPanel.resize(700, 300);
        const QImage oWider = oPanel.grab().toImage();
        QVERIFY(oWider.pixelColor(699, TabPanelC::HEADER_MARGIN - 1) != oWider.pixelColor(699, 0));
    }
};

KESTRA_TEST_MAIN(TabPanelTest)
#include "tst_V40_GUI_TabPanel.moc"
