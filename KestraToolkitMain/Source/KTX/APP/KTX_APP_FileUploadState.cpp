#include "KTX/APP/KTX_APP_FileUploadState.h"

#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "V40_APP_WaitLoop.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_MessagePanel.h"
#include "V40_GUI_ProgressDialog.h"
#include "V40_GUI_TitleBar.h"
#include "V40_GUI_WorkerThread.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_SYS_Event.h"
#include "Ferrolib/BSS_Trace.h"
#include "Marrowlib/CCF_UpdatePath.h"
#include "Quillbase/CMN_Update.h"

#include <QFile>
#include <QTimer>

#include <atomic>
#include <memory>
#include <string>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FileUploadState", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;
using V40::GUI::MessagePanelC;

namespace {
BSS::TraceChannelC s_oTrace("KestraToolkit");
} // namespace

struct FileUploadStateC::UploadS
{
    UploadS(const QString& strPath, bool bFirmware)
        : strLocalPath(QFile::encodeName(strPath).toStdString())
        , bFirmware(bFirmware)
        , iResult(UPLOAD_RESULT_NONE)
        , oDone(BSS::SYS::EventC::MANUAL_RESET)
        , oCancelled(BSS::SYS::EventC::MANUAL_RESET)
    {
    }

    // On the worker thread. The result is written before the event is set.
    void run()
    {
        if (bFirmware && oCancelled.wait(FIRMWARE_START_DELAY_MS)) {
            s_oTrace.write("FileUpload: GUI stopped, '%s' not uploaded\n", strLocalPath.c_str());
            oDone.set();
            return;
        }
        CCF::setUpdateFilePath(strLocalPath.c_str());
        iResult = CMN::startUpdate();
        oDone.set();
    }

    const std::string strLocalPath;
    const bool bFirmware;
    std::atomic<int> iResult;
    BSS::SYS::EventC oDone;
    BSS::SYS::EventC oCancelled;
};

FileUploadStateC::FileUploadStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
    , m_iUploadResult(UPLOAD_RESULT_NONE)
{
}

FileUploadStateC::~FileUploadStateC() = default;

QString FileUploadStateC::getUploadPath() const
{
    return m_strUploadPath;
}

int FileUploadStateC::getUploadResult() const
{
    return m_iUploadResult;
}

void FileUploadStateC::execute()
{
    const UploadFileModelC* pModel = dynamic_cast<const UploadFileModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    if (!pModel->IsFileTypeAllowed()) {
        MessagePanelC::information(V40::LNG::getTextToken(TK::FileUpload_FilesOfTypeCannotBe).arg(pModel->GetFileTypeLabel()),
                                   MessagePanelC::BUTTONS_OK, 0, MessagePanelC::RESULT_NONE);
        setApplicationResult(CMN::RC_UPDATE_NOT_ALLOWED);
        OnFail();
        return;
    }
    m_strUploadPath = pModel->GetSelectedFilePath();

    if (V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance()) {
        pMainWindow->titleBar()->setTitle(V40::LNG::getTextToken(TK::FileUpload_Information));
        pMainWindow->setEmptyContentBar();
        if (V40::GUI::FunctionKeyBarC* pBar = pMainWindow->functionKeyBar())
            pBar->hide();
    }
    if (!runUpload(pModel->GetSelectedFileName(), pModel->GetFileType() == UploadFileModelC::FILE_TYPE_FIRMWARE)) {
        // The GUI stops: nothing more is shown or asked.
        OnFail();
        return;
    }
    setApplicationResult(m_iUploadResult);
    if (m_iUploadResult == CMN::RC_UPDATE_OK)
        OnSuccess();
    else
        OnFail();
}

bool FileUploadStateC::runUpload(const QString& strFileName, bool bFirmware)
{
    const std::shared_ptr<UploadS> spUpload = std::make_shared<UploadS>(m_strUploadPath, bFirmware);
    s_oTrace.write("FileUpload: uploading '%s'\n", spUpload->strLocalPath.c_str());
    V40::GUI::WorkerThreadC* pWorker = V40::GUI::WorkerThreadC::instance();
    if (!pWorker || !pWorker->post([spUpload] { spUpload->run(); }))
        return true; // the result stays "none", which the result state reports

    V40::GUI::ProgressDialogC oDialog(V40::LNG::getTextToken(TK::FileUpload_UploadingFile).arg(strFileName));
    oDialog.show();
    V40::APP::WaitLoopC oWait;
    QTimer oPoll;
    oPoll.setInterval(POLL_INTERVAL_MS);
    QObject::connect(&oPoll, &QTimer::timeout, [&oWait, spUpload] {
        if (spUpload->oDone.wait(0))
            oWait.quit();
    });
    oPoll.start();
    const bool bEnded = oWait.exec();
    oPoll.stop();
    oDialog.hide();
    // The keys go to the main window again, whatever the window system did with the dialog.
    if (V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance())
        pMainWindow->activateWindow();
    if (!bEnded) {
        // The worker finishes an update it has begun (the platform installs whole files only);
        // one that has not begun yet does not begin.
        spUpload->oCancelled.set();
        return false;
    }
    m_iUploadResult = spUpload->iResult;
    return true;
}

} // namespace APP
} // namespace KTX
