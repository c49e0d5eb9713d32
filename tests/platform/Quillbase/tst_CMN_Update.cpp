// The update service: from an upload file to the loader of its object type.
#include "KestraTest.h"

#include "Ferrolib/BSS_Assert.h"
#include "Gaugelib/SDR_VersionRecord.h"
#include "Marrowlib/CCF_UpdatePath.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Update.h"
#include "Quillbase/LOD_LGE_BaseLoader.h"
#include "Quillbase/LOD_LGE_LoaderFactory.h"
#include "Quillbase/LOD_LGE_LoaderRegistry.h"

#include <QFile>

#include <atomic>
#include <thread>

namespace {

const int OBJECT_TYPE = 4711;

// What the loaders of the fake factory saw, in order.
struct JournalS
{
    QStringList lstSteps;
    QByteArray baReceived;
    QList<std::thread::id> lstThreads;
};

class FakeLoaderC : public LOD::LGE::LoaderC
{
public:
    FakeLoaderC(JournalS& rJournal, const QString& strFailAt, int iError)
        : m_rJournal(rJournal)
        , m_strFailAt(strFailAt)
        , m_iError(iError)
    {
    }
    ~FakeLoaderC() override { step("destroyed"); }

    bool startLoader() override
    {
        step("start " + getObjectFileName());
        return LoaderC::startLoader() && succeeds("start");
    }
    bool writePhyObjBlock(const char* pData, unsigned int uSize) override
    {
        step(QStringLiteral("block %1").arg(uSize));
        m_rJournal.baReceived.append(pData, int(uSize));
        return succeeds("block");
    }
    bool finishPhyObjLoad() override
    {
        step("finish");
        return succeeds("finish");
    }

private:
    void step(const QString& strStep)
    {
        m_rJournal.lstSteps << strStep;
        m_rJournal.lstThreads << std::this_thread::get_id();
    }
    bool succeeds(const QString& strStep)
    {
        if (strStep != m_strFailAt)
            return true;
        setLoadError(m_iError);
        return false;
    }

    JournalS& m_rJournal;
    QString m_strFailAt;
    int m_iError;
};

class FakeFactoryC : public LOD::LGE::LoaderFactoryI
{
public:
    JournalS m_oJournal;
    QString m_strFailAt;
    int m_iError = 0;

    LOD::LGE::LoaderC* createLoader(int iObjectType) override
    {
        return iObjectType == OBJECT_TYPE ? new FakeLoaderC(m_oJournal, m_strFailAt, m_iError) : nullptr;
    }
    void destroyLoader(LOD::LGE::LoaderC* pLoader) override { delete pLoader; }
};

LOD::LGE::LoaderRegistryC* loaderRegistry()
{
    auto* pAccessor = dynamic_cast<CMN::FirmwareAccessorC*>(
        BSS::TSK::ComponentRegistryC::lookup(CMN::FirmwareAccessorC::CLASS_NAME));
    return pAccessor ? pAccessor->getLoaderRegistry() : nullptr;
}

QByteArray payload(int iSize)
{
    QByteArray baPayload;
    for (int i = 0; i < iSize; ++i)
        baPayload.append(char(i * 7));
    return baPayload;
}

CMN::FileHeaderS header(int iObjectType = OBJECT_TYPE)
{
    CMN::FileHeaderS oHeader;
    oHeader.iObjectType = iObjectType;
    oHeader.strObjectFileName = QStringLiteral("Object.bin");
    return oHeader;
}

int updateFromWorker(const QString& strPath, std::thread::id* pWorkerId = nullptr)
{
    CCF::setUpdateFilePath(QFile::encodeName(strPath).constData());
    int iResult = -1;
    std::thread oWorker([&] {
        if (pWorkerId)
            *pWorkerId = std::this_thread::get_id();
        iResult = CMN::startUpdate();
    });
    oWorker.join();
    return iResult;
}

} // namespace

class UpdateTest : public QObject
{
    Q_OBJECT

    FakeFactoryC m_oFactory;
    QString m_strPackage;

private slots:
    void initTestCase()
    {
        QVERIFY(loaderRegistry());
        QVERIFY(loaderRegistry()->addLoaderFactory(&m_oFactory));
        QVERIFY(!loaderRegistry()->addLoaderFactory(&m_oFactory));
        m_strPackage = KestraTest::simRoot() + "/object.pkg";
    }

    void cleanupTestCase() { QVERIFY(loaderRegistry()->removeLoaderFactory(&m_oFactory)); }

    void init()
    {
        m_oFactory.m_oJournal = JournalS();
        m_oFactory.m_strFailAt.clear();
        m_oFactory.m_iError = 0;
        KestraTest::clearReports();
    }

    void payloadReachesTheLoaderInBlocksOnALoaderThread()
    {
        const QByteArray baPayload = payload(2 * int(CMN::UPDATE_BLOCK_BYTES) + 100);
        QVERIFY(CMN::writePackageFile(m_strPackage, header(), baPayload));
        std::thread::id oWorker;
        QCOMPARE(updateFromWorker(m_strPackage, &oWorker), int(CMN::RC_UPDATE_OK));
        const JournalS& rJournal = m_oFactory.m_oJournal;
        QCOMPARE(rJournal.lstSteps, QStringList({"start Object.bin", "block 4096", "block 4096", "block 100",
                                                 "finish", "destroyed"}));
        QCOMPARE(rJournal.baReceived, baPayload);
        for (const std::thread::id& rId : rJournal.lstThreads) {
            QVERIFY(rId == rJournal.lstThreads.first());
            QVERIFY(rId != oWorker && rId != std::this_thread::get_id());
        }
    }

    void refusalsEndTheLoad_data()
    {
        QTest::addColumn<QString>("strFailAt");
        QTest::addColumn<int>("iError");
        QTest::addColumn<int>("iResult");
        QTest::addColumn<QStringList>("lstSteps");
        QTest::newRow("start, with reason") << "start" << 0x3106005 << 0x3106005
                                            << QStringList({"start Object.bin", "destroyed"});
        QTest::newRow("block") << "block" << 0 << int(CMN::RC_UPDATE_LOAD_FAILED)
                               << QStringList({"start Object.bin", "block 50", "destroyed"});
        QTest::newRow("finish") << "finish" << 0 << int(CMN::RC_UPDATE_LOAD_FAILED)
                                << QStringList({"start Object.bin", "block 50", "finish", "destroyed"});
    }

    void refusalsEndTheLoad()
    {
        QFETCH(QString, strFailAt);
        QFETCH(int, iError);
        QFETCH(int, iResult);
        QFETCH(QStringList, lstSteps);
        m_oFactory.m_strFailAt = strFailAt;
        m_oFactory.m_iError = iError;
        QVERIFY(CMN::writePackageFile(m_strPackage, header(), payload(50)));
        QCOMPARE(updateFromWorker(m_strPackage), iResult);
        QCOMPARE(m_oFactory.m_oJournal.lstSteps, lstSteps);
    }

    // Nothing of a file that is not a whole upload file reaches a loader.
    void badFilesCreateNoLoader_data()
    {
        QTest::addColumn<QByteArray>("baFile");
        QTest::addColumn<int>("iResult");
        QVERIFY(CMN::writePackageFile(m_strPackage, header(), payload(300)));
        QFile oFile(m_strPackage);
        QVERIFY(oFile.open(QIODevice::ReadOnly));
        const QByteArray baGood = oFile.readAll();
        QByteArray baFlipped = baGood;
        baFlipped[baFlipped.size() - 10] = char(baFlipped.at(baFlipped.size() - 10) ^ 0x10);
        QTest::newRow("truncated") << baGood.left(baGood.size() - 1) << int(CMN::RC_UPDATE_INVALID_FILE);
        QTest::newRow("padded") << baGood + "x" << int(CMN::RC_UPDATE_INVALID_FILE);
        QTest::newRow("damaged payload") << baFlipped << int(CMN::RC_UPDATE_INVALID_FILE);
        QTest::newRow("header only") << baGood.left(20) << int(CMN::RC_UPDATE_INVALID_FILE);
        QTest::newRow("foreign") << QByteArray("MZ\x90\x00 not an upload file", 24) << int(CMN::RC_UPDATE_INVALID_FILE);
        QTest::newRow("missing") << QByteArray() << int(CMN::RC_UPDATE_NO_FILE);
    }

    void badFilesCreateNoLoader()
    {
        QFETCH(QByteArray, baFile);
        QFETCH(int, iResult);
        QFile::remove(m_strPackage);
        if (!baFile.isEmpty()) {
            QFile oFile(m_strPackage);
            QVERIFY(oFile.open(QIODevice::WriteOnly));
            oFile.write(baFile);
        }
        QCOMPARE(updateFromWorker(m_strPackage), iResult);
        QCOMPARE(m_oFactory.m_oJournal.lstSteps, QStringList());
    }

    void objectTypeWithoutFactory()
    {
        QVERIFY(CMN::writePackageFile(m_strPackage, header(OBJECT_TYPE + 1), payload(5)));
        QCOMPARE(updateFromWorker(m_strPackage), int(CMN::RC_UPDATE_NO_LOADER));
    }

    // The loader may wait for the GUI thread, so the GUI thread may not wait for the loader.
    void refusedOnTheGuiThread()
    {
        QVERIFY(CMN::writePackageFile(m_strPackage, header(), payload(5)));
        CCF::setUpdateFilePath(QFile::encodeName(m_strPackage).constData());
        QCOMPARE(CMN::startUpdate(), int(CMN::RC_UPDATE_WRONG_THREAD));
        QCOMPARE(KestraTest::assertTexts(), QStringList("QThread::currentThread() != qApp->thread()"));
        QCOMPARE(m_oFactory.m_oJournal.lstSteps, QStringList());
    }

    void versionText_data()
    {
        QTest::addColumn<QString>("strText");
        QTest::addColumn<QString>("strVersion");
        QTest::newRow("full") << "2.1.7" << "2.1.7";
        QTest::newRow("leading zeros are decimal") << "08.09.010" << "8.9.10";
        QTest::newRow("one part") << "2" << "";
        QTest::newRow("not a number") << "1.x.3" << "";
        QTest::newRow("too large") << "70000.1.1" << "";
    }

    void versionText()
    {
        QFETCH(QString, strText);
        QFETCH(QString, strVersion);
        SDR::VersionRecordC oVersion(9, 9, 9);
        QCOMPARE(oVersion.fromText(strText), !strVersion.isEmpty());
        QCOMPARE(oVersion.toText(), strVersion.isEmpty() ? QStringLiteral("9.9.9") : strVersion);
    }
};

KESTRA_TEST_MAIN(UpdateTest)
#include "tst_CMN_Update.moc"
