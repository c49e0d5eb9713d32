// The format of the SD card happens only after the whole preparation, in its order, and only
// while the card is there, out of use and the battery can carry it.
#include "KestraTest.h"

#include "Corvane/CFA_DeviceConfiguration.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Marrowlib/CCF_FormatService.h"
#include "Quillbase/CMN_DeviceManager.h"
#include "Quillbase/CMN_Format.h"
#include "Quillbase/CMN_Power.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QDir>
#include <QFile>

namespace {

// Steps of a sequence.
enum StepE { PREPARE, UNMOUNT, RELEASE, COMMIT, FORMAT, MOUNT, REMOVE_CARD, LOW_BATTERY, PREPARE_OTHER_DEVICE };

QString cardFile()
{
    return QFile::decodeName(BSS::HAL::getSdCardRootPath().c_str()) + "job.txt";
}

} // namespace

class FormatTest : public QObject
{
    Q_OBJECT

private slots:
    void sequence_data()
    {
        QTest::addColumn<QList<int>>("lstSteps");
        // The result of every step that has one (PREPARE, RELEASE, COMMIT, FORMAT).
        QTest::addColumn<QList<int>>("lstExpectedResults");
        QTest::addColumn<bool>("bErased");
        const int iOk = CCF::RC_FORMAT_OK;
        const int iNotPrepared = CCF::RC_FORMAT_NOT_PREPARED;
        QTest::newRow("the whole preparation") << QList<int>{PREPARE, UNMOUNT, RELEASE, COMMIT, FORMAT, MOUNT}
                                               << QList<int>{iOk, iOk, iOk, iOk} << true;
        QTest::newRow("not prepared") << QList<int>{UNMOUNT, FORMAT, MOUNT} << QList<int>{iNotPrepared} << false;
        QTest::newRow("released while mounted")
            << QList<int>{PREPARE, RELEASE, COMMIT, UNMOUNT, FORMAT, MOUNT}
            << QList<int>{iOk, iNotPrepared, iNotPrepared, iNotPrepared} << false;
        QTest::newRow("not committed") << QList<int>{PREPARE, UNMOUNT, RELEASE, FORMAT, MOUNT}
                                       << QList<int>{iOk, iOk, iNotPrepared} << false;
        QTest::newRow("a preparation serves one format")
            << QList<int>{PREPARE, UNMOUNT, RELEASE, COMMIT, FORMAT, FORMAT, MOUNT} << QList<int>{iOk, iOk, iOk, iOk, iNotPrepared}
            << true;
        QTest::newRow("card taken out meanwhile")
            << QList<int>{PREPARE, UNMOUNT, RELEASE, COMMIT, REMOVE_CARD, FORMAT, MOUNT}
            << QList<int>{iOk, iOk, iOk, int(CCF::RC_FORMAT_NOT_AVAILABLE)} << false;
        QTest::newRow("battery too low") << QList<int>{PREPARE, UNMOUNT, RELEASE, COMMIT, LOW_BATTERY, FORMAT, MOUNT}
                                         << QList<int>{iOk, iOk, iOk, int(CMN::RC_BATTERY_LOW)} << false;
        QTest::newRow("only the card") << QList<int>{PREPARE_OTHER_DEVICE, UNMOUNT, RELEASE, FORMAT, MOUNT}
                                       << QList<int>{int(CCF::RC_FORMAT_UNKNOWN_DEVICE), iNotPrepared, iNotPrepared} << false;
    }

    void sequence()
    {
        QFETCH(QList<int>, lstSteps);
        QFETCH(QList<int>, lstExpectedResults);
        QFETCH(bool, bErased);
        QVERIFY(VSIM::SettingsC::setValues({{"Configuration/SDCard", true}, {"Settings/Battery/BatteryInternal1/Capacity", 70}}));
        QVERIFY(QDir().mkpath(QFileInfo(cardFile()).path()));
        QFile oFile(cardFile());
        QVERIFY(oFile.open(QIODevice::WriteOnly));
        oFile.close();
        CCF::resetFormatPreparation();

        QList<int> lstResults;
        for (int iStep : lstSteps) {
            switch (iStep) {
            case PREPARE:
                lstResults << CCF::prepareDeviceConfiguration(CMN::MEMORY_DEVICE_SDCARD, 1, 0);
                break;
            case PREPARE_OTHER_DEVICE:
                lstResults << CCF::prepareDeviceConfiguration(CMN::MEMORY_DEVICE_INTERNAL, 1, 0);
                break;
            case UNMOUNT:
                QVERIFY(CMN::unmountMemoryDevice(CMN::MEMORY_DEVICE_SDCARD));
                QVERIFY(!CMN::isMemoryDeviceAvailable(CMN::MEMORY_DEVICE_SDCARD));
                break;
            case RELEASE:
                lstResults << CFA::prepareDeviceConfigurationChange();
                break;
            case COMMIT:
                lstResults << CFA::applyDeviceConfigurationChange();
                break;
            case FORMAT:
                lstResults << CMN::formatMemoryDevice();
                break;
            case MOUNT:
                QVERIFY(CMN::mountMemoryDevice(CMN::MEMORY_DEVICE_SDCARD));
                break;
            case REMOVE_CARD:
                QVERIFY(VSIM::SettingsC::setValue("Configuration/SDCard", false));
                break;
            case LOW_BATTERY:
                QVERIFY(VSIM::SettingsC::setValue("Settings/Battery/BatteryInternal1/Capacity", CMN::MIN_CAPACITY_FOR_UPDATE - 1));
                break;
            }
        }
        QCOMPARE(lstResults, lstExpectedResults);
        QCOMPARE(!QFile::exists(cardFile()), bErased);
        QVERIFY(CMN::isMemoryDeviceMounted(CMN::MEMORY_DEVICE_SDCARD));
    }

    void systemMemory()
    {
        const QString strFile = QFile::decodeName(BSS::HAL::getDeviceRootPath(BSS::HAL::DEVICE_INTERNAL).c_str()) + "a/b.txt";
        QVERIFY(QDir().mkpath(QFileInfo(strFile).path()));
        QFile oFile(strFile);
        QVERIFY(oFile.open(QIODevice::WriteOnly));
        oFile.close();
        QCOMPARE(CCF::formatMemory(1), int(CCF::RC_FORMAT_UNKNOWN_DEVICE));
        QVERIFY(QFile::exists(strFile));
        QCOMPARE(CCF::formatMemory(CCF::FORMAT_SYSTEM_MEMORY), int(CCF::RC_FORMAT_OK));
        QVERIFY(!QFile::exists(strFile));
        QVERIFY(QDir(QFileInfo(strFile).path()).exists() == false);
    }
};

KESTRA_TEST_MAIN(FormatTest)
#include "tst_CMN_Format.moc"
