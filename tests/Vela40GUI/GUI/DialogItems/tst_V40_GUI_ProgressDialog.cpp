// Progress dialog: its frames cut from the animation strip, the animation and swallowed keys.
#include "KestraTest.h"

#include "V40_GUI_ProgressDialog.h"

#include <QResource>

using V40::GUI::ProgressDialogC;

class ProgressDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(KestraTest::binDir() + "/Vela40GUIResources.rcc"));
    }

    void frames_data()
    {
        QTest::addColumn<int>("iOptions");
        QTest::addColumn<int>("iDivisor");
        QTest::newRow("full size") << int(ProgressDialogC::OPTION_NONE) << 1;
        QTest::newRow("small size") << int(ProgressDialogC::OPTION_SMALL_SIZE) << 2;
    }

    void frames()
    {
        QFETCH(int, iOptions);
        QFETCH(int, iDivisor);
        const QImage oStrip(":/Images/Loading_100.png");
        QVERIFY(!oStrip.isNull());
        const int iFrameHeight = oStrip.height() / 14;

        ProgressDialogC oDialog("Measuring ...", iOptions);
        QCOMPARE(oDialog.frameCount(), 14);
        for (int iFrame = 0; iFrame < 14; ++iFrame)
            QCOMPARE(oDialog.frame(iFrame).height(), iFrameHeight / iDivisor);
        // Frame i is the i-th slice of the strip.
        if (iDivisor == 1) {
            const QImage oFrame = oDialog.frame(5).toImage().convertToFormat(oStrip.format());
            QCOMPARE(oFrame, oStrip.copy(0, 5 * iFrameHeight, oStrip.width(), iFrameHeight));
        }
    }

    void animatesAndSwallowsKeys()
    {
        ProgressDialogC oDialog("Uploading File 'a.bin'...");
        QCOMPARE(oDialog.text(), QString("Uploading File 'a.bin'..."));
        oDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&oDialog));
        // The frames run round: after 14 steps the first one is back.
        for (int iStep = 1; iStep <= 14; ++iStep) {
            oDialog.changeImage();
            QCOMPARE(oDialog.currentFrame(), iStep % 14);
        }
        const int iFrame = oDialog.currentFrame();
        QVERIFY(KestraTest::waitFor([&] { return oDialog.currentFrame() != iFrame; }, 2000));

        QTest::keyClick(&oDialog, Qt::Key_Escape);
        QTest::keyClick(&oDialog, Qt::Key_Return);
        QVERIFY(oDialog.isVisible());
        QCOMPARE(oDialog.result(), 0);
    }
};

KESTRA_TEST_MAIN(ProgressDialogTest)
#include "tst_V40_GUI_ProgressDialog.moc"
