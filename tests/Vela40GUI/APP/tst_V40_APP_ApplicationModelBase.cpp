// The application model — result code and the registry of settings models, with
// isModified() and store() over them.
#include "KestraTest.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_SettingsModel.h"
#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#include <memory>

using V40::APP::ApplicationModelBaseC;
using V40::GUI::SettingsModelC;
using V40::GUI::ValueModelC;

namespace {

// A settings model with one value whose write succeeds or fails; writes are logged in order.
class LoggedSettingsModelC : public SettingsModelC
{
public:
    LoggedSettingsModelC(int iId, bool bWriteSucceeds, QList<int>* plstWrites)
        : m_oValue(QVariant(0), QVariant(0))
        , m_iId(iId)
        , m_bWriteSucceeds(bWriteSucceeds)
        , m_plstWrites(plstWrites)
    {
        addInputModel(0, &m_oValue);
    }
    bool writeValues() override
    {
        m_plstWrites->append(m_iId);
        return m_bWriteSucceeds;
    }
    void modify() { m_oValue.setValue(m_oValue.getValue().toInt() + 1); }

    ValueModelC m_oValue;
    int m_iId;
    bool m_bWriteSucceeds;
    QList<int>* m_plstWrites;
};

} // namespace

class TestApplicationModelBase : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void resultCode()
    {
        ApplicationModelBaseC oModel;
        QCOMPARE(oModel.getResultCode(), -1);
        QVERIFY(!oModel.hasResultCode());
        oModel.setResultCode(0);
        QVERIFY(oModel.hasResultCode());
        QCOMPARE(oModel.getResultCode(), 0);
        oModel.setResultCode(0x2000008); // overwrites
        QCOMPARE(oModel.getResultCode(), 0x2000008);
        oModel.clearResultCode();
        QCOMPARE(oModel.getResultCode(), -1);
        QVERIFY(!oModel.hasResultCode());
        oModel.setResultCode(-5);
        QVERIFY(!oModel.hasResultCode());
    }

    void registry()
    {
        ApplicationModelBaseC oModel;
        QCOMPARE(oModel.getSettingsModel(0), nullptr);
        SettingsModelC oFirst;
        SettingsModelC oSecond;
        oModel.addSettingsModel(&oFirst);
        QCOMPARE(oModel.getSettingsModel(0), &oFirst);
        oModel.addSettingsModel(3, &oSecond);
        QCOMPARE(oModel.getSettingsModel(3), &oSecond);
        QVERIFY(KestraTest::assertTexts().isEmpty());

        // A second model under an existing identifier replaces the first, with a report.
        SettingsModelC oThird;
        oModel.addSettingsModel(0, &oThird);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"!m_mapSettingsModels.contains(iId)"});
        QCOMPARE(BSS::TEST::assertReports().first().strSource, QStringLiteral("V40_APP_ApplicationModelBase"));
        QCOMPARE(oModel.getSettingsModel(0), &oThird);

        // The same model again (a panel state executed a second time) changes nothing.
        KestraTest::clearReports();
        oModel.addSettingsModel(0, &oThird);
        QVERIFY(KestraTest::assertTexts().isEmpty());
        QCOMPARE(oModel.getSettingsModel(0), &oThird);
    }

    void destroyedSettingsModelDropsOut()
    {
        ApplicationModelBaseC oModel;
        QList<int> lstWrites;
        auto* pGone = new LoggedSettingsModelC(1, true, &lstWrites);
        LoggedSettingsModelC oKept(2, true, &lstWrites);
        oModel.addSettingsModel(1, pGone);
        oModel.addSettingsModel(2, &oKept);
        pGone->modify();
        pGone->setStored(true);
        QVERIFY(oModel.isModified());
        QVERIFY(oModel.hasStoredSettingsModel());
        delete pGone;
        QCOMPARE(oModel.getSettingsModel(1), nullptr);
        QVERIFY(!oModel.isModified());
        QVERIFY(!oModel.hasStoredSettingsModel());
        QVERIFY(oModel.store()); // the live one is unmodified
        QVERIFY(lstWrites.isEmpty());
        // Its identifier can be registered again without a report.
        LoggedSettingsModelC oNew(3, true, &lstWrites);
        oModel.addSettingsModel(1, &oNew);
        QVERIFY(KestraTest::assertTexts().isEmpty());
        QCOMPARE(oModel.getSettingsModel(1), &oNew);
    }

    void isModifiedAndStored()
    {
        ApplicationModelBaseC oModel;
        QVERIFY(!oModel.isModified());
        QVERIFY(!oModel.hasStoredSettingsModel());
        QList<int> lstWrites;
        LoggedSettingsModelC oA(1, true, &lstWrites);
        LoggedSettingsModelC oB(2, true, &lstWrites);
        oModel.addSettingsModel(1, &oA);
        oModel.addSettingsModel(2, &oB);
        QVERIFY(!oModel.isModified());
        oB.modify();
        QVERIFY(oModel.isModified());
        oB.setStored(true);
        QVERIFY(oModel.hasStoredSettingsModel());
    }

    void storeWithoutSettingsModels()
    {
        ApplicationModelBaseC oModel;
        QVERIFY(!oModel.store());
        // Registered models that no longer exist leave nothing to store into either.
        {
            SettingsModelC oGone;
            oModel.addSettingsModel(&oGone);
        }
        QVERIFY(!oModel.store());
    }

    void storeWithNothingModified()
    {
        ApplicationModelBaseC oModel;
        QList<int> lstWrites;
        LoggedSettingsModelC oA(1, false, &lstWrites); // would fail, but is not modified
        LoggedSettingsModelC oB(2, true, &lstWrites);
        oModel.addSettingsModel(1, &oA);
        oModel.addSettingsModel(2, &oB);
        QVERIFY(oModel.store());
        QVERIFY(lstWrites.isEmpty());
    }

    void storeWritesModifiedOnly()
    {
        ApplicationModelBaseC oModel;
        QList<int> lstWrites;
        LoggedSettingsModelC oA(1, false, &lstWrites);
        LoggedSettingsModelC oB(2, true, &lstWrites);
        LoggedSettingsModelC oC(3, true, &lstWrites);
        oModel.addSettingsModel(1, &oA);
        oModel.addSettingsModel(2, &oB);
        oModel.addSettingsModel(3, &oC);
        oB.modify();
        oC.modify();
        QVERIFY(oModel.store()); // the failing model is unmodified: skipped, no effect
        std::sort(lstWrites.begin(), lstWrites.end());
        QCOMPARE(lstWrites, (QList<int>{2, 3}));
        QVERIFY(!oModel.isModified());
    }

    void storeStopsAtTheFirstFailure_data()
    {
        QTest::addColumn<QList<bool>>("lstSucceeds");
        QTest::newRow("one failing of two") << QList<bool>{false, true};
        QTest::newRow("two failing") << QList<bool>{false, false};
        QTest::newRow("one failing of four") << QList<bool>{true, true, false, true};
        QTest::newRow("all failing") << QList<bool>{false, false, false, false, false};
    }

    void storeStopsAtTheFirstFailure()
    {
        QFETCH(QList<bool>, lstSucceeds);
        ApplicationModelBaseC oModel;
        QList<int> lstWrites;
        std::vector<std::unique_ptr<LoggedSettingsModelC>> vecModels;
        for (int i = 0; i < lstSucceeds.size(); ++i) {
            vecModels.emplace_back(new LoggedSettingsModelC(i, lstSucceeds[i], &lstWrites));
            vecModels.back()->modify();
            oModel.addSettingsModel(i, vecModels.back().get());
        }
        QVERIFY(!oModel.store());
        // Hash order is not fixed: whatever came first, the writes stop right after the first
        // failing one, and every write before it succeeded.
        QVERIFY(!lstWrites.isEmpty());
        QVERIFY(!lstSucceeds[lstWrites.last()]);
        for (int i = 0; i + 1 < lstWrites.size(); ++i)
            QVERIFY(lstSucceeds[lstWrites[i]]);
        // The models written successfully are unmodified now; the failed and the skipped stay
        // modified, so that nothing is lost.
        for (int i = 0; i < lstSucceeds.size(); ++i) {
            const bool bWritten = lstWrites.contains(i) && lstSucceeds[i];
            QCOMPARE(vecModels[size_t(i)]->isModified(), !bWritten);
        }
        QVERIFY(oModel.isModified());
    }

    void copySharesTheRegistry()
    {
        ApplicationModelBaseC oModel;
        SettingsModelC oSettings;
        oModel.addSettingsModel(&oSettings);
        oModel.setResultCode(7);
        ApplicationModelBaseC oCopy(oModel);
        QCOMPARE(oCopy.getSettingsModel(0), &oSettings);
        QCOMPARE(oCopy.getResultCode(), 7);
        ApplicationModelBaseC oAssigned;
        oAssigned = oModel;
        QCOMPARE(oAssigned.getSettingsModel(0), &oSettings);
    }
};

KESTRA_TEST_MAIN(TestApplicationModelBase)
#include "tst_V40_APP_ApplicationModelBase.moc"
