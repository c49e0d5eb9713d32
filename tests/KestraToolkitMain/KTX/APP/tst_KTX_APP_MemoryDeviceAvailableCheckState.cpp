// The wait for the SD card, against the simulated card: RETRY asks again until the card is there,
// CANCEL gives up.
#include "StateTestApplication.h"

#include "KTX/APP/KTX_APP_MemoryDeviceAvailableCheckState.h"
#include "KTX/APP/KTX_APP_MemoryDeviceModel.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Quillbase/CMN_DeviceManager.h"

#include <QDir>

namespace {

class SdCardModelC : public V40::APP::ApplicationModelBaseC, public KTX::APP::MemoryDeviceModelI
{
public:
    bool IsMemoryDeviceAvailable() const override { return CMN::isMemoryDeviceAvailable(CMN::MEMORY_DEVICE_SDCARD); }
    QString GetMemoryDeviceLabel() const override { return V40::LNG::getTextToken(41); }
};

using CheckApplicationC = StateTest::SingleStateApplicationC<KTX::APP::MemoryDeviceAvailableCheckStateC, V40::APP::ApplicationModelBaseC>;

void setCard(bool bInserted, bool bWithFolder = true)
{
    BSS::REG::openNativeSettings(BSS::SIM::simulatorSettingsPath())
        ->setValue(QStringLiteral("Configuration/SDCard"), bInserted ? 1 : 0);
    const QString strDir = QFile::decodeName(BSS::HAL::getSdCardRootPath().c_str());
    if (bWithFolder)
        QDir().mkpath(strDir);
    else
        QDir(strDir).removeRecursively();
}

// A step of a row that is no key: the card is inserted.
const int s_iInsertCard = 0;

} // namespace

class MemoryDeviceAvailableCheckStateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { GuiKeyDriver::setUpFrame(); }
    void init() { KestraTest::clearReports(); }

    void waitForCard_data()
    {
        const QString strMessage = QStringLiteral("Information: SD Card is not available!");
        QTest::addColumn<bool>("bInserted");
        QTest::addColumn<bool>("bWithFolder");
        QTest::addColumn<QList<int>>("lstSteps");
        QTest::addColumn<int>("iExpectedResult");
        QTest::addColumn<QStringList>("lstExpectedMessages");
        QTest::newRow("card there") << true << true << QList<int>() << 0 << QStringList();
        QTest::newRow("no card, CANCEL") << false << true << QList<int>{Qt::Key_F1} << 0x2000008 << QStringList{strMessage};
        QTest::newRow("no card, Escape cancels") << false << true << QList<int>{Qt::Key_Escape} << 0x2000008
                                                 << QStringList{strMessage};
        QTest::newRow("RETRY without card, then inserted and RETRY")
            << false << true << QList<int>{Qt::Key_F6, s_iInsertCard, Qt::Key_F6} << 0
            << QStringList{strMessage, strMessage};
        QTest::newRow("inserted but its folder missing") << true << false << QList<int>{Qt::Key_F1} << 0x2000008
                                                         << QStringList{strMessage};
    }

    void waitForCard()
    {
        QFETCH(bool, bInserted);
        QFETCH(bool, bWithFolder);
        QFETCH(QList<int>, lstSteps);
        QFETCH(int, iExpectedResult);
        QFETCH(QStringList, lstExpectedMessages);
        setCard(bInserted, bWithFolder);
        CheckApplicationC oApplication([] { return new SdCardModelC(); });
        QStringList lstMessages;
        GuiKeyDriver::KeyScript oScript;
        for (int iStep : lstSteps) {
            if (iStep == s_iInsertCard)
                oScript.call([] { setCard(true); });
            else
                oScript.call(StateTest::noteMessage(&lstMessages)).key(iStep);
        }
        oScript.call(StateTest::noteMessage(&lstMessages));
        oScript.start();
        QCOMPARE(oApplication.run(), iExpectedResult);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(lstMessages, lstExpectedMessages);
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    void modelWithoutDeviceReportsAndStays()
    {
        // A model that knows no memory device is a programming error, not a missing card.
        CheckApplicationC oApplication([] { return new V40::APP::ApplicationModelBaseC(); });
        QCOMPARE(oApplication.run(), -1);
        QCOMPARE(KestraTest::assertTexts(), QStringList({"pModel"}));
        QCOMPARE(BSS::TEST::assertReports().first().strSource, QStringLiteral("KTX_APP_MemoryDeviceAvailableCheckState"));
    }
};

KESTRA_TEST_MAIN(MemoryDeviceAvailableCheckStateTest)
#include "tst_KTX_APP_MemoryDeviceAvailableCheckState.moc"
