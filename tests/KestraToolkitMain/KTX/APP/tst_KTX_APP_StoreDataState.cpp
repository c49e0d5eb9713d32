// Storing with its confirmation: nothing modified passes silently, a stored model is confirmed
// by a message that closes by itself, a failed store is reported and takes the fail exit.
#include "StateTestApplication.h"

#include "KTX/APP/KTX_APP_StoreDataState.h"

class StoreDataStateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { GuiKeyDriver::setUpFrame(); }
    void init() { KestraTest::clearReports(); }

    void store_data()
    {
        QTest::addColumn<bool>("bModified");
        QTest::addColumn<bool>("bStoreResult");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iExpectedStores");
        QTest::addColumn<int>("iExpectedResult");
        QTest::addColumn<QStringList>("lstExpectedMessages");
        QTest::newRow("unmodified: nothing stored, nothing shown") << false << true << 0 << 0 << 0 << QStringList();
        // No key: the confirmation has no buttons and ends by itself.
        QTest::newRow("stored") << true << true << 0 << 1 << 0 << QStringList{"Information: Data stored ..."};
        QTest::newRow("store fails") << true << false << int(Qt::Key_F6) << 1 << 0x2000008
                                     << QStringList{"Error: Data could not be stored!"};
    }

    void store()
    {
        QFETCH(bool, bModified);
        QFETCH(bool, bStoreResult);
        QFETCH(int, iKey);
        QFETCH(int, iExpectedStores);
        QFETCH(int, iExpectedResult);
        QFETCH(QStringList, lstExpectedMessages);
        int iStores = 0;
        StateTest::SingleStateApplicationC<KTX::APP::StoreDataStateC, StateTest::FakeModelC> oApplication(
            [&] { return new StateTest::FakeModelC(bModified, bStoreResult, &iStores); });
        QStringList lstMessages;
        GuiKeyDriver::KeyScript oScript;
        oScript.call(StateTest::noteMessage(&lstMessages));
        if (iKey)
            oScript.key(iKey);
        oScript.start();
        QCOMPARE(oApplication.run(), iExpectedResult);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(iStores, iExpectedStores);
        QCOMPARE(lstMessages, lstExpectedMessages);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }
};

KESTRA_TEST_MAIN(StoreDataStateTest)
#include "tst_KTX_APP_StoreDataState.moc"
