// The electronic bubbles: where each of the three vials draws its bubble for an inclination,
// the 75-pixel clamp, and the 1-gon limit beyond which the vials are empty.
#include "KestraTest.h"

#include "KTX/APP/KTX_APP_LevelWidget.h"

#include <QResource>

#include <cmath>

namespace {

using KTX::APP::LevelWidgetC;

const double kOneGon = M_PI / 200.0;

QString drawn(const LevelWidgetC& rWidget)
{
    if (!rWidget.isValid())
        return QStringLiteral("none");
    return QStringLiteral("%1,%2").arg(rWidget.bubblePosition().x()).arg(rWidget.bubblePosition().y());
}

} // namespace

class LevelWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(KestraTest::binDir() + "/KestraToolkitMainResources.rcc"));
    }

    void init() { KestraTest::clearReports(); }

    // Centre offsets: round (200-40)/2 = 80 both ways, vertical vial (50-28)/2 = 11 and
    // (200-40)/2 = 80, horizontal vial 80 and (50-28)/2 = 11.
    void bubblePositions_data()
    {
        QTest::addColumn<double>("dL");
        QTest::addColumn<double>("dT");
        QTest::addColumn<QString>("strRound");
        QTest::addColumn<QString>("strVertical");
        QTest::addColumn<QString>("strHorizontal");
        QTest::newRow("level: centred") << 0.0 << 0.0 << "80,80" << "11,80" << "80,11";
        // 50000 * sin(0.01) = 499.99 is clamped to 75 straight down the vertical axis.
        QTest::newRow("L 0.01 rad: 75 px along L only") << 0.01 << 0.0 << "80,155" << "11,155" << "80,11";
        QTest::newRow("L -0.01 rad") << -0.01 << 0.0 << "80,5" << "11,5" << "80,11";
        // x = -50000 * sin(T): a positive T moves the bubble left.
        QTest::newRow("T 0.01 rad: 75 px along T only") << 0.0 << 0.01 << "5,80" << "11,80" << "5,11";
        // Offsets are truncated toward zero: -9.99999 px is 9 px.
        QTest::newRow("small tilt, not clamped") << 0.0005 << 0.0002 << "71,104" << "11,104" << "71,11";
        // Clamped on the circle in the same direction: 75 / sqrt(2) = 53.03 each way.
        QTest::newRow("diagonal, clamped on the circle") << 0.01 << -0.01 << "133,133" << "11,133" << "133,11";
        QTest::newRow("exactly 1 gon is still shown") << kOneGon << 0.0 << "80,155" << "11,155" << "80,11";
        QTest::newRow("L just above 1 gon: empty") << kOneGon + 1e-9 << 0.0 << "none" << "none" << "none";
        QTest::newRow("T just below -1 gon: empty") << 0.0 << -kOneGon - 1e-9 << "none" << "none" << "none";
    }

    void bubblePositions()
    {
        QFETCH(double, dL);
        QFETCH(double, dT);
        LevelWidgetC oRound(":Images/IconLevel_RoundBubble.png", ":Images/IconLevel_CLevel.bmp",
                            LevelWidgetC::AXIS_VERTICAL | LevelWidgetC::AXIS_HORIZONTAL);
        LevelWidgetC oVertical(":Images/IconLevel_VBubble.png", ":Images/IconLevel_V.bmp", LevelWidgetC::AXIS_VERTICAL);
        LevelWidgetC oHorizontal(":Images/IconLevel_HBubble.png", ":Images/IconLevel_H.bmp", LevelWidgetC::AXIS_HORIZONTAL);
        QCOMPARE(oRound.size(), QSize(200, 200));
        QCOMPARE(drawn(oRound), QStringLiteral("none"));
        for (LevelWidgetC* pWidget : {&oRound, &oVertical, &oHorizontal})
            pWidget->setInclinations(dL, dT);
        QTEST(drawn(oRound), "strRound");
        QTEST(drawn(oVertical), "strVertical");
        QTEST(drawn(oHorizontal), "strHorizontal");
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    // An invalid reading empties the vial; the next valid one shows the bubble again, also
    // where it did not move, and also when the offset stays clamped across the 1-gon limit.
    void validityComesAndGoes()
    {
        LevelWidgetC oRound(":Images/IconLevel_RoundBubble.png", ":Images/IconLevel_CLevel.bmp",
                            LevelWidgetC::AXIS_VERTICAL | LevelWidgetC::AXIS_HORIZONTAL);
        QStringList lstDrawn;
        oRound.setInclinations(0.0, 0.0);
        lstDrawn << drawn(oRound);
        oRound.setInvalid();
        lstDrawn << drawn(oRound);
        oRound.setInclinations(0.0, 0.0);
        lstDrawn << drawn(oRound);
        oRound.setInclinations(0.9 * kOneGon, 0.0);
        lstDrawn << drawn(oRound);
        oRound.setInclinations(1.1 * kOneGon, 0.0);
        lstDrawn << drawn(oRound);
        oRound.setInclinations(0.9 * kOneGon, 0.0);
        lstDrawn << drawn(oRound);
        QCOMPARE(lstDrawn, QStringList({"80,80", "none", "80,80", "80,155", "none", "80,155"}));
    }

    void missingImagesAreReported()
    {
        LevelWidgetC oWidget(":Images/NoBubble.png", ":Images/NoVial.bmp", LevelWidgetC::AXIS_VERTICAL);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"m_oBackgroundPixmap.size() != QSize( 0, 0 )",
                                                         "m_oBubblePixmap.size() != QSize( 0, 0 )"}));
    }
};

KESTRA_TEST_MAIN(LevelWidgetTest)
#include "tst_KTX_APP_LevelWidget.moc"
