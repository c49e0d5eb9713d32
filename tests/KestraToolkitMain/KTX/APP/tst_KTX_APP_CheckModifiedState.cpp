// The question before modifications are thrown away: asked only when something is modified;
// NO (or Escape) goes back, YES leaves with the state's result code.
#include "StateTestApplication.h"

#include "KTX/APP/KTX_APP_CheckModifiedState.h"

namespace {
// The state as an application constructs it, with a result code of its own.
class ExitStateC : public KTX::APP::CheckModifiedStateC
{
public:
    ExitStateC() : KTX::APP::CheckModifiedStateC(0x2000005) {}
};
} // namespace

class CheckModifiedStateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { GuiKeyDriver::setUpFrame(); }
    void init() { KestraTest::clearReports(); }

    void exitQuestion_data()
    {
        const QStringList lstQuestion{"Information: Exit?\n\nModifications will be ignored!"};
        QTest::addColumn<bool>("bModified");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iExpectedResult");
        QTest::addColumn<QStringList>("lstExpectedMessages");
        QTest::newRow("unmodified: no question") << false << 0 << 0 << QStringList();
        QTest::newRow("NO goes back") << true << int(Qt::Key_F1) << 0x2000008 << lstQuestion;
        QTest::newRow("Escape is NO") << true << int(Qt::Key_Escape) << 0x2000008 << lstQuestion;
        QTest::newRow("YES leaves with the result code") << true << int(Qt::Key_F6) << 0x2000005 << lstQuestion;
    }

    void exitQuestion()
    {
        QFETCH(bool, bModified);
        QFETCH(int, iKey);
        QFETCH(int, iExpectedResult);
        QFETCH(QStringList, lstExpectedMessages);
        int iStores = 0;
        StateTest::SingleStateApplicationC<ExitStateC, StateTest::FakeModelC> oApplication(
            [&] { return new StateTest::FakeModelC(bModified, true, &iStores); });
        QStringList lstMessages;
        GuiKeyDriver::KeyScript oScript;
        oScript.call(StateTest::noteMessage(&lstMessages));
        if (iKey)
            oScript.key(iKey);
        oScript.start();
        QCOMPARE(oApplication.run(), iExpectedResult);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(lstMessages, lstExpectedMessages);
        QCOMPARE(iStores, 0);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }
};

KESTRA_TEST_MAIN(CheckModifiedStateTest)
#include "tst_KTX_APP_CheckModifiedState.moc"
