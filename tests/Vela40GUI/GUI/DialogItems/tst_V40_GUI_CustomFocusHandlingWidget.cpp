// Keys that become signals, their traces, and the focus flag that a field keeps for its page.
#include "KestraTest.h"

#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_CustomFocusHandlingWidget.h"
#include "V40_GUI_UTI_Trace.h"

#include <QApplication>
#include <QSignalSpy>
#include <QVBoxLayout>

using V40::GUI::ContentBarBaseWidgetC;
using V40::GUI::CustomFocusHandlingWidgetC;

namespace {

QStringList s_lstDebugLines;

void captureDebug(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
{
    if (eType == QtDebugMsg)
        s_lstDebugLines << strMessage.trimmed();
}

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
        oWindow.show();
        QApplication::setActiveWindow(&oWindow);
    }
};

} // namespace

class TestCustomFocusHandlingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        KestraTest::clearReports();
        s_lstDebugLines.clear();
    }

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
        const QStringList lstSignals{"clicked", "arrowUp", "arrowDown", "arrowLeft", "arrowRight"};
        QList<QSharedPointer<QSignalSpy>> lstSpies;
        for (const QString& strName : lstSignals) {
            const QByteArray aSignal = "2" + strName.toLatin1() + "()";
            lstSpies << QSharedPointer<QSignalSpy>::create(&oWidget, aSignal.constData());
        }
        V40::GUI::UTI::setTraceEnabled(true);
        const QtMessageHandler fnPrevious = qInstallMessageHandler(&captureDebug);
        QTest::keyClick(&oWidget, Qt::Key(iKey));
        qInstallMessageHandler(fnPrevious);
        V40::GUI::UTI::setTraceEnabled(false);

        for (int i = 0; i < lstSignals.size(); ++i)
            QCOMPARE(lstSpies.at(i)->count(), lstSignals.at(i) == strSignal ? 1 : 0);
        if (strSignal.isEmpty()) {
            QVERIFY(s_lstDebugLines.isEmpty());
        } else {
            QCOMPARE(s_lstDebugLines.size(), 1);
            QCOMPARE(s_lstDebugLines.first(),
                     QStringLiteral("%1: V40::GUI::CustomFocusHandlingWidgetC \"w\" 0x%2")
                         .arg(strSignal, QString::number(quintptr(&oWidget), 16)));
        }
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
        QVERIFY(QTest::qWaitForWindowActive(&oPages.oWindow));
        CustomFocusHandlingWidgetC* pField = oPages.apFields[0][0];
        pField->setFocus();
        QVERIFY(pField->hasFocusFlag());
        if (iTargetPage < 0)
            pField->clearFocus();
        else
            oPages.apFields[iTargetPage][1]->setFocus();
        QVERIFY(!pField->hasFocus());
        QCOMPARE(pField->hasFocusFlag(), bFlagKept);
        if (iTargetPage >= 0)
            QVERIFY(oPages.apFields[iTargetPage][1]->hasFocusFlag());
    }

    void pageShownAgainGivesTheFocusBack()
    {
        PagesS oPages;
        QVERIFY(QTest::qWaitForWindowActive(&oPages.oWindow));
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

    void simulatedTabsMoveAlongTheChain()
    {
        PagesS oPages;
        QVERIFY(QTest::qWaitForWindowActive(&oPages.oWindow));
        oPages.apFields[0][0]->setFocus();
        oPages.apFields[0][0]->simulateTab();
        QVERIFY(oPages.apFields[0][1]->hasFocus());
        oPages.apFields[0][1]->simulateTab();
        QVERIFY(oPages.apFields[1][0]->hasFocus());
        oPages.apFields[1][0]->simulateBackTab();
        QVERIFY(oPages.apFields[0][1]->hasFocus());
    }

    void focusTraces()
    {
        PagesS oPages;
        QVERIFY(QTest::qWaitForWindowActive(&oPages.oWindow));
        CustomFocusHandlingWidgetC* pFirst = oPages.apFields[0][0];
        CustomFocusHandlingWidgetC* pSecond = oPages.apFields[0][1];
        pFirst->setFocus();
        V40::GUI::UTI::setTraceEnabled(true);
        const QtMessageHandler fnPrevious = qInstallMessageHandler(&captureDebug);
        pSecond->setFocus();
        pSecond->clearFocus();
        qInstallMessageHandler(fnPrevious);
        V40::GUI::UTI::setTraceEnabled(false);
        const QString strFirst = CustomFocusHandlingWidgetC::describe(pFirst);
        const QString strSecond = CustomFocusHandlingWidgetC::describe(pSecond);
        QCOMPARE(strFirst, QStringLiteral("V40::GUI::CustomFocusHandlingWidgetC \"field00\" 0x%1")
                               .arg(QString::number(quintptr(pFirst), 16)));
        QCOMPARE(s_lstDebugLines,
                 (QStringList{QStringLiteral("LOST FOCUS: %1   (NEW FOCUS: %2)").arg(strFirst, strSecond),
                              QStringLiteral("GOT FOCUS: %1   (OLD FOCUS: %2)").arg(strSecond, strFirst)}));
        QCOMPARE(CustomFocusHandlingWidgetC::describe(nullptr), QStringLiteral("NULL"));
    }
};

KESTRA_TEST_MAIN(TestCustomFocusHandlingWidget)
#include "tst_V40_GUI_CustomFocusHandlingWidget.moc"
