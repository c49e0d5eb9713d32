// The function-key bar: labels, bad keys, the empty face of a disabled button, faces by look.
#include "KestraTest.h"

#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_FunctionKeyButton.h"
#include "V40_LNG_TextTokens.h"

using V40::GUI::FunctionKeyBarC;
using V40::GUI::FunctionKeyButtonC;

namespace {

using ButtonStateT = QPair<QString, bool>;

QList<ButtonStateT> buttonStates(const FunctionKeyBarC& rBar)
{
    QList<ButtonStateT> lstStates;
    for (int iKey = Qt::Key_F1; iKey <= Qt::Key_F6; ++iKey)
        lstStates.append({rBar.button(iKey)->text(), rBar.button(iKey)->isEnabled()});
    return lstStates;
}

QImage face(FunctionKeyButtonC& rButton)
{
    return rButton.grab().toImage();
}

} // namespace

class FunctionKeyBarTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { V40::LNG::initTextTokens(); }
    void init() { KestraTest::clearReports(); }

    void setButton_data()
    {
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iToken");
        QTest::addColumn<QString>("strText");
        QTest::newRow("F6 with a token") << int(Qt::Key_F6) << 1 << "OK";
        QTest::newRow("F1 with token 0") << int(Qt::Key_F1) << 0 << "F1";
        QTest::newRow("F7") << int(Qt::Key_F7) << 1 << QString();
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 1 << QString();
        QTest::newRow("no key") << 0 << 0 << QString();
    }

    void setButton()
    {
        QFETCH(int, iKey);
        QFETCH(int, iToken);
        QFETCH(QString, strText);
        FunctionKeyBarC oBar;
        oBar.button(Qt::Key_F1)->setText("Old");
        oBar.setAllButtonsEnabled(false);
        QList<ButtonStateT> lstExpected = buttonStates(oBar);

        oBar.setButton(iKey, iToken);
        if (strText.isEmpty()) {
            QCOMPARE(KestraTest::assertTexts(), QStringList{"Invalid function key button requested."});
        } else {
            QVERIFY(KestraTest::assertTexts().isEmpty());
            lstExpected[iKey - Qt::Key_F1] = {strText, true};
        }
        QCOMPARE(buttonStates(oBar), lstExpected);
    }

    void disabledButtonShowsAnEmptyFace()
    {
        FunctionKeyBarC oBar;
        FunctionKeyButtonC& rButton = *oBar.button(Qt::Key_F3);
        rButton.setText("YES");
        const QImage oEnabledFace = face(rButton);
        FunctionKeyBarC oBlankBar;
        FunctionKeyButtonC& rBlank = *oBlankBar.button(Qt::Key_F3);
        rBlank.setText(" ");
        rBlank.setEnabled(false);

        oBar.setButtonEnabled(Qt::Key_F3, false);
        QCOMPARE(face(rButton), face(rBlank));
        QCOMPARE(rButton.text(), QStringLiteral("YES"));
        oBar.setAllButtonsEnabled(true);
        QCOMPARE(face(rButton), oEnabledFace);
        QVERIFY(face(rButton) != face(rBlank));
        oBar.setButtonEnabled(Qt::Key_F9, false);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"Invalid function key button requested."});
    }

    // A face drawn ahead is the one the button draws itself, labelled or disabled, and drawing it
    // leaves the buttons as they were. The button that draws itself differs in a colour no face
    // uses, so that it is not served the face drawn ahead.
    void faceDrawnAheadIsTheButtonsOwn_data()
    {
        QTest::addColumn<bool>("bEnabled");
        QTest::newRow("labelled") << true;
        QTest::newRow("disabled") << false;
    }

    void faceDrawnAheadIsTheButtonsOwn()
    {
        QFETCH(bool, bEnabled);
        FunctionKeyBarC oAhead;
        const QList<ButtonStateT> lstBefore = buttonStates(oAhead);
        const QString strLabel = QStringLiteral("Ahead %1").arg(bEnabled);
        oAhead.button(Qt::Key_F3)->prepareFace(strLabel, bEnabled);
        oAhead.prepareFace(Qt::Key_F9, 1);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"Invalid function key button requested."});
        QCOMPARE(buttonStates(oAhead), lstBefore);

        FunctionKeyBarC oOwn;
        QPalette oPalette = oOwn.button(Qt::Key_F3)->palette();
        oPalette.setColor(QPalette::ToolTipBase, Qt::green);
        oOwn.button(Qt::Key_F3)->setPalette(oPalette);
        for (FunctionKeyBarC* pBar : {&oAhead, &oOwn}) {
            pBar->button(Qt::Key_F3)->setText(strLabel);
            pBar->setButtonEnabled(Qt::Key_F3, bEnabled);
        }
        QCOMPARE(face(*oAhead.button(Qt::Key_F3)), face(*oOwn.button(Qt::Key_F3)));
    }

    // Buttons of the same look share one face, and only they: the same label in another colour
    // is a face of its own.
    void facesFollowTheLook()
    {
        FunctionKeyBarC oBar;
        oBar.setButton(Qt::Key_F2, 1);
        FunctionKeyBarC oRedBar;
        QPalette oPalette = oRedBar.button(Qt::Key_F2)->palette();
        oPalette.setColor(QPalette::ButtonText, Qt::red);
        oRedBar.button(Qt::Key_F2)->setPalette(oPalette);
        oRedBar.setButton(Qt::Key_F2, 1);
        QVERIFY(face(*oRedBar.button(Qt::Key_F2)) != face(*oBar.button(Qt::Key_F2)));
    }
};

KESTRA_TEST_MAIN(FunctionKeyBarTest)
#include "tst_V40_GUI_FunctionKeyBar.moc"
