// Texts and field frames drawn from what was laid out or drawn once look as Qt draws them: labels
// exactly, in every placement the screens use; field frames in every look, one after another.
#include "KestraTest.h"

#include "V40_GUI_FieldStyle.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_PlainLabel.h"

#include <QLabel>
#include <QLineEdit>

using V40::GUI::FieldStyleC;
using V40::GUI::PlainLabelC;

namespace {

struct LabelCaseS
{
    QString strText;
    QSize oSize;
    int iAlignment;
    int iIndent;
    int iMargin;
    bool bEnabled;
};

void setUp(QLabel& rLabel, const LabelCaseS& rCase)
{
    rLabel.setTextFormat(Qt::PlainText);
    rLabel.setText(rCase.strText);
    rLabel.setFont(V40::GUI::lookFont(22));
    rLabel.setFixedSize(rCase.oSize);
    rLabel.setAlignment(Qt::Alignment(rCase.iAlignment));
    rLabel.setIndent(rCase.iIndent);
    rLabel.setMargin(rCase.iMargin);
    rLabel.setEnabled(rCase.bEnabled);
}

// The field's own look, a highlighted one (another base and frame colour) and a disabled one.
QPalette fieldLook(int iLook)
{
    QPalette oPalette;
    if (iLook == 1) {
        oPalette.setColor(QPalette::Base, QColor(0xF5, 0x82, 0x33));
        oPalette.setColor(QPalette::Window, QColor(0xC2, 0xC5, 0xC8));
    }
    return oPalette;
}

// A frame drawn apart and laid over the field may differ from one drawn on it by a rounding step
// where its antialiased corners blend with what lies below.
bool nearlySame(const QImage& rA, const QImage& rB)
{
    if (rA.size() != rB.size())
        return false;
    const QImage oA = rA.convertToFormat(QImage::Format_ARGB32);
    const QImage oB = rB.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < oA.height(); ++y) {
        for (int x = 0; x < oA.width(); ++x) {
            const QRgb a = oA.pixel(x, y);
            const QRgb b = oB.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > 1 || qAbs(qGreen(a) - qGreen(b)) > 1 || qAbs(qBlue(a) - qBlue(b)) > 1
                || qAbs(qAlpha(a) - qAlpha(b)) > 1)
                return false;
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(LabelCaseS)

class PlainLabelTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsTheLabel_data()
    {
        const int iLeft = Qt::AlignLeft | Qt::AlignVCenter;
        const int iRight = Qt::AlignRight | Qt::AlignVCenter;
        QTest::addColumn<LabelCaseS>("oCase");
        // Room of an odd and an even number of pixels more than the line: centred in fractions.
        QTest::newRow("caption, odd room") << LabelCaseS{"Temperature", {250, 35}, iLeft, -1, 0, true};
        QTest::newRow("caption, even room") << LabelCaseS{"Humidity", {250, 36}, iLeft, -1, 0, true};
        QTest::newRow("caption, row room") << LabelCaseS{"Z (MSL)", {250, 42}, iLeft, -1, 0, true};
        QTest::newRow("at the top") << LabelCaseS{"Plummet", {200, 40}, Qt::AlignLeft | Qt::AlignTop, -1, 0, true};
        QTest::newRow("value at the right") << LabelCaseS{"1013.25 hPa", {300, 35}, iRight, -1, 0, true};
        QTest::newRow("choice with indent") << LabelCaseS{"Yes", {196, 34}, iLeft, 4, 0, true};
        QTest::newRow("unit with indent") << LabelCaseS{"°C", {60, 34}, iLeft, 8, 0, true};
        QTest::newRow("right with indent") << LabelCaseS{"740561", {200, 35}, iRight, 6, 0, true};
        QTest::newRow("margin") << LabelCaseS{"Atmos PPM", {250, 41}, iLeft, -1, 3, true};
        QTest::newRow("disabled") << LabelCaseS{"Refr. Coeff", {250, 35}, iLeft, -1, 0, false};
        QTest::newRow("wider than its room") << LabelCaseS{"Equipment Number", {120, 35}, iLeft, -1, 2, true};
        QTest::newRow("right, wider than its room") << LabelCaseS{"Equipment Number", {120, 35}, iRight, -1, 0, true};
        QTest::newRow("higher than its room") << LabelCaseS{"Date", {100, 20}, iLeft, -1, 0, true};
        QTest::newRow("umlauts") << LabelCaseS{"Luftdruck Ä ö ü ß ±", {400, 35}, iLeft, -1, 0, true};
        QTest::newRow("two lines (the label's own)") << LabelCaseS{"Out of level!\nRedo?", {300, 80}, iLeft, -1, 0, true};
        QTest::newRow("centred (the label's own)") << LabelCaseS{"OK", {100, 35}, Qt::AlignCenter, -1, 0, true};
    }

    void sameAsTheLabel()
    {
        QFETCH(LabelCaseS, oCase);
        QLabel oLabel;
        setUp(oLabel, oCase);
        PlainLabelC oPlain;
        setUp(oPlain, oCase);
        QCOMPARE(oPlain.grab().toImage(), oLabel.grab().toImage());
        // And again with another text, as a value row shows the next value.
        oLabel.setText(oCase.strText + "7");
        oPlain.setText(oCase.strText + "7");
        QCOMPARE(oPlain.grab().toImage(), oLabel.grab().toImage());
    }

    void fieldFramesAsTheStyleDrawsThem()
    {
        // Each look drawn by the style itself and from what was drawn before, in turn, so that a
        // frame kept for one look never stands in for another.
        const QList<QSize> lstSizes{{228, 34}, {300, 34}, {228, 40}};
        for (int iRound = 0; iRound < 2; ++iRound) {
            for (const QSize& rSize : lstSizes) {
                for (int iLook = 0; iLook < 3; ++iLook) {
                    QLineEdit aEdits[2];
                    for (QLineEdit& rEdit : aEdits) {
                        rEdit.setFixedSize(rSize);
                        rEdit.setReadOnly(true);
                        rEdit.setText("1013.25");
                        rEdit.setPalette(fieldLook(iLook));
                        rEdit.setEnabled(iLook != 2);
                    }
                    aEdits[1].setStyle(FieldStyleC::instance());
                    const QString strWhat = QString("round %1, %2x%3, look %4")
                                                .arg(iRound).arg(rSize.width()).arg(rSize.height()).arg(iLook);
                    QVERIFY2(nearlySame(aEdits[1].grab().toImage(), aEdits[0].grab().toImage()), qPrintable(strWhat));
                }
            }
        }
    }

    void focusedLookDrawnAhead()
    {
        // A field drawn without the focus draws its look with it too; that one is drawn from then
        // on as the style draws it.
        FieldStyleC::instance()->setFocusPalette(fieldLook(1));
        QLineEdit oAhead;
        oAhead.setFixedSize(212, 37);
        oAhead.setReadOnly(true);
        oAhead.setFocusPolicy(Qt::NoFocus);
        oAhead.setStyle(FieldStyleC::instance());
        oAhead.show();
        oAhead.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&oAhead));
        oAhead.grab();
        oAhead.hide();
        QImage aImages[2];
        for (int i = 0; i < 2; ++i) {
            QLineEdit oFocused;
            oFocused.setFixedSize(212, 37);
            oFocused.setText("1013.25");
            oFocused.setPalette(fieldLook(1));
            if (i == 1)
                oFocused.setStyle(FieldStyleC::instance());
            oFocused.show();
            oFocused.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&oFocused));
            oFocused.setFocus();
            QVERIFY(oFocused.hasFocus());
            aImages[i] = oFocused.grab().toImage();
        }
        QVERIFY(nearlySame(aImages[1], aImages[0]));
    }
};

KESTRA_TEST_MAIN(PlainLabelTest)
#include "tst_V40_GUI_PlainLabel.moc"
