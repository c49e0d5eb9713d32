// Keys that become signals, their traces, and the focus flag that a field keeps for its page.
#include "KestraTest.h"
#include "FieldTestSupport.h"

#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_CustomFocusHandlingWidget.h"

#include <QVBoxLayout>

using V40::GUI::ContentBarBaseWidgetC;
using V40::GUI::CustomFocusHandlingWidgetC;

namespace {

// A window with two content pages of two fields each.
struct PagesS
{
    QWidget oWindow;
    ContentBarBaseWidgetC* apPages[2];
    CustomFocusHandlingWidgetC* apFields[2][2];

    PagesS()
    {
        auto* pLayout = new QVBoxLayout(&oWindow);
        for (int iPage = 0; iPage < 2; ++iPage) {
            apPages[iPage] = new ContentBarBaseWidgetC(&oWindow);
            auto* pPageLayout = new QVBoxLayout(apPages[iPage]);
            for (int iField = 0; iField < 2; ++iField) {
                apFields[iPage][iField] = new CustomFocusHandlingWidgetC(apPages[iPage]);
                apFields[iPage][iField]->setObjectName(QStringLiteral("field%1%2").arg(iPage).arg(iField));
                pPageLayout->addWidget(apFields[iPage][iField]);
            }
            pLayout->addWidget(apPages[iPage]);
        }
    }
};

} // namespace

class TestCustomFocusHandlingWidget : public QObject
{
    Q_OBJECT

private slots:
    void keysBecomeSignals_data()
    {
        QTest::addColumn<int>("iKey");
        QTest::addColumn<QString>("strSignal");
        QTest::newRow("return") << int(Qt::Key_Return) << "clicked";
        QTest::newRow("enter") << int(Qt::Key_Enter) << "clicked";
        QTest::newRow("left") << int(Qt::Key_Left) << "arrowLeft";
        QTest::newRow("up") << int(Qt::Key_Up) << "arrowUp";
        QTest::newRow("right") << int(Qt::Key_Right) << "arrowRight";
        QTest::newRow("down") << int(Qt::Key_Down) << "arrowDown";
        QTest::newRow("other key") << int(Qt::Key_A) << "";
    }

    void keysBecomeSignals()
    {
        QFETCH(int, iKey);
        QFETCH(QString, strSignal);
        CustomFocusHandlingWidgetC oWidget;
        oWidget.setObjectName("w");
        QStringList lstEmitted;
        connect(&oWidget, &CustomFocusHandlingWidgetC::clicked, [&] { lstEmitted << "clicked"; });
        connect(&oWidget, &CustomFocusHandlingWidgetC::arrowUp, [&] { lstEmitted << "arrowUp"; });
        connect(&oWidget, &CustomFocusHandlingWidgetC::arrowDown, [&] { lstEmitted << "arrowDown"; });
        connect(&oWidget, &CustomFocusHandlingWidgetC::arrowLeft, [&] { lstEmitted << "arrowLeft"; });
        connect(&oWidget, &CustomFocusHandlingWidgetC::arrowRight, [&] { lstEmitted << "arrowRight"; });
        FieldTest::TraceCaptureC oCapture;
        QTest::keyClick(&oWidget, Qt::Key(iKey));
        if (strSignal.isEmpty()) {
            QVERIFY(lstEmitted.isEmpty());
            QVERIFY(oCapture.lines().isEmpty());
            return;
        }
        QCOMPARE(lstEmitted, QStringList{strSignal});
        QCOMPARE(oCapture.lines(), QStringList{QStringLiteral("%1: V40::GUI::CustomFocusHandlingWidgetC \"w\" 0x%2")
                                                   .arg(strSignal, QString::number(quintptr(&oWidget), 16))});
    }

    void focusFlagFollowsThePage_data()
    {
        QTest::addColumn<int>("iTargetPage");
        QTest::addColumn<bool>("bFlagKept");
        QTest::newRow("same page clears the flag") << 0 << false;
        QTest::newRow("other page keeps the flag") << 1 << true;
        QTest::newRow("no focus keeps the flag") << -1 << true;
    }

    void focusFlagFollowsThePage()
    {
        QFETCH(int, iTargetPage);
        QFETCH(bool, bFlagKept);
        PagesS oPages;
        QVERIFY(FieldTest::showActive(oPages.oWindow));
        CustomFocusHandlingWidgetC* pField = oPages.apFields[0][0];
        pField->setFocus();
        FieldTest::TraceCaptureC oCapture;
        if (iTargetPage < 0)
            pField->clearFocus();
        else
            oPages.apFields[iTargetPage][1]->setFocus();
        QVERIFY(!pField->hasFocus());
        QCOMPARE(pField->hasFocusFlag(), bFlagKept);

        const QString strField = CustomFocusHandlingWidgetC::describe(pField);
        QCOMPARE(strField, QStringLiteral("V40::GUI::CustomFocusHandlingWidgetC \"field00\" 0x%1")
                               .arg(QString::number(quintptr(pField), 16)));
        if (iTargetPage < 0)
            return;
        const QString strTarget = CustomFocusHandlingWidgetC::describe(oPages.apFields[iTargetPage][1]);
        QStringList lstExpected;
        if (!bFlagKept)
            lstExpected << QStringLiteral("LOST FOCUS: %1   (NEW FOCUS: %2)").arg(strField, strTarget);
        lstExpected << QStringLiteral("GOT FOCUS: %1   (OLD FOCUS: %2)").arg(strTarget, strField);
        QCOMPARE(oCapture.lines(), lstExpected);
    }

    void pageShownAgainGivesTheFocusBack()
    {
        PagesS oPages;
        QVERIFY(FieldTest::showActive(oPages.oWindow));
        CustomFocusHandlingWidgetC* pField = oPages.apFields[0][1];
        pField->setHasFocus();
        QVERIFY(pField->hasFocus());
        // Page change: the first page goes, a field of the second takes the focus.
        oPages.apPages[0]->hide();
        oPages.apFields[1][0]->setFocus();
        QVERIFY(pField->hasFocusFlag());
        oPages.apPages[1]->hide();
        oPages.apPages[0]->show();
        QVERIFY(pField->hasFocus());

        // The field itself hidden and shown again.
        pField->hide();
        QVERIFY(!pField->hasFocus());
        QVERIFY(pField->hasFocusFlag());
        pField->show();
        QVERIFY(pField->hasFocus());
    }
};

KESTRA_TEST_MAIN(TestCustomFocusHandlingWidget)
#include "tst_V40_GUI_CustomFocusHandlingWidget.moc"
