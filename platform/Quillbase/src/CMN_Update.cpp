#include "Quillbase/CMN_Update.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_TSK_Component.h"
#include "Ferrolib/BSS_Trace.h"
#include "Marrowlib/CCF_UpdatePath.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/LOD_LGE_BaseLoader.h"
#include "Quillbase/LOD_LGE_LoaderRegistry.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <thread>

namespace CMN {

namespace {

std::mutex s_oUpdateMutex;

int refusal(const LOD::LGE::LoaderC& rLoader)
{
    return rLoader.getLoadError() != 0 ? rLoader.getLoadError() : RC_UPDATE_LOAD_FAILED;
}

// One load, from creating the loader to destroying it; runs on the loader thread.
int load(LOD::LGE::LoaderRegistryC& rRegistry, const FileHeaderS& rHeader, const QByteArray& baPayload)
{
    BSS::TraceChannelC oTrace("Quillbase");
    LOD::LGE::LoaderFactoryI* pFactory = nullptr;
    LOD::LGE::LoaderC* pLoader = rRegistry.createLoader(rHeader.iObjectType, pFactory);
    if (!pLoader) {
        oTrace.write("startUpdate: no loader for object type %d\n", rHeader.iObjectType);
        return RC_UPDATE_NO_LOADER;
    }
    pLoader->setObjectHeader(rHeader);
    int iResult = RC_UPDATE_OK;
    if (!pLoader->startLoader()) {
        iResult = refusal(*pLoader);
    } else {
        for (int iOffset = 0; iOffset < baPayload.size(); iOffset += int(UPDATE_BLOCK_BYTES)) {
            const int iSize = std::min(int(UPDATE_BLOCK_BYTES), baPayload.size() - iOffset);
            if (!pLoader->writePhyObjBlock(baPayload.constData() + iOffset, unsigned(iSize))) {
                iResult = refusal(*pLoader);
                break;
            }
        }
        if (iResult == RC_UPDATE_OK && !pLoader->finishPhyObjLoad())
            iResult = refusal(*pLoader);
    }
    rRegistry.destroyLoader(pFactory, pLoader);
    return iResult;
}

} // namespace

int startUpdate()
{
    BSS::TraceChannelC oTrace("Quillbase");
    const QCoreApplication* pApplication = QCoreApplication::instance();
    if (pApplication && QThread::currentThread() == pApplication->thread()) {
        BSS_ASSERT_REPORT("QThread::currentThread() != qApp->thread()", "CMN_Update", __LINE__);
        return RC_UPDATE_WRONG_THREAD;
    }
    std::unique_lock<std::mutex> oBusy(s_oUpdateMutex, std::try_to_lock);
    if (!oBusy.owns_lock()) {
        oTrace.write("startUpdate: another update is running\n");
        return RC_UPDATE_BUSY;
    }

    const std::string strPath = CCF::updateFilePath();
    FileHeaderS oHeader;
    QByteArray baPayload;
    const int iRead = readPackageFile(strPath.c_str(), oHeader, baPayload);
    if (iRead != RC_HEADER_OK) {
        oTrace.write("startUpdate: '%s' %s\n", strPath.c_str(),
                     iRead == RC_HEADER_NO_FILE ? "cannot be read" : "is not a valid upload file");
        return iRead == RC_HEADER_NO_FILE ? RC_UPDATE_NO_FILE : RC_UPDATE_INVALID_FILE;
    }

    const QString strAccessor = QLatin1String(FirmwareAccessorC::CLASS_NAME);
    BSS::TSK::SysComponentC* pComponent = BSS::TSK::ComponentRegistryC::lookup(strAccessor);
    auto* pAccessor = dynamic_cast<FirmwareAccessorC*>(pComponent);
    if (!pAccessor) {
        BSS_ASSERT_REPORT("0 != pFirmwareAccessor", "CMN_Update", __LINE__);
        return RC_UPDATE_NO_LOADER;
    }
    int iResult = RC_UPDATE_LOAD_FAILED;
    std::thread oLoaderThread(
        [&] { iResult = load(*pAccessor->getLoaderRegistry(), oHeader, baPayload); });
    oLoaderThread.join();
    BSS::TSK::ComponentRegistryC::release(pComponent);

    if (iResult == RC_UPDATE_OK)
        oTrace.write("startUpdate: '%s' installed\n", strPath.c_str());
    else
        oTrace.write("startUpdate: '%s' failed (0x%X)\n", strPath.c_str(), unsigned(iResult));
    return iResult;
}

} // namespace CMN
