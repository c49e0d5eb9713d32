#include "KTX/APP/KTX_APP_SystemInformationShowLegalInfoState.h"

#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_Trace.h"

#include <windows.h>

#include <QFile>
#include <QFileInfo>

#include <string>

namespace KTX {
namespace APP {

namespace {
// The missing-file message closes by itself.
const int s_iMissingFileMessageSeconds = 3;
} // namespace

using V40::GUI::MessagePanelC;

SystemInformationShowLegalInfoStateC::SystemInformationShowLegalInfoStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

SystemInformationShowLegalInfoStateC::~SystemInformationShowLegalInfoStateC() = default;

QString SystemInformationShowLegalInfoStateC::legalInfoPath()
{
    const QString strDirectory = QFile::decodeName(BSS::HAL::getApplicationDirectory().c_str());
    return QStringLiteral("%1LegalInfo/%2").arg(strDirectory, QStringLiteral("OpenSourceInfo.html"));
}

void SystemInformationShowLegalInfoStateC::execute()
{
    const QString strPath = legalInfoPath();
    if (QFileInfo(strPath).isFile()) {
        const std::wstring wstrPath = strPath.toStdWString();
        const HINSTANCE hResult = ShellExecuteW(nullptr, nullptr, wstrPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        // Values up to 32 are the shell's error codes.
        if (reinterpret_cast<intptr_t>(hResult) <= 32) {
            static BSS::TraceChannelC s_oTrace("KestraToolkit");
            s_oTrace.write("SystemInformation: opening '%s' failed (%d)\n", QFile::encodeName(strPath).constData(),
                           int(reinterpret_cast<intptr_t>(hResult)));
        }
    } else {
        MessagePanelC::information(V40::LNG::getTextToken(V40::LNG::TK::Systeminformation_FileIsNotAvailable).arg(strPath),
                                   MessagePanelC::BUTTONS_NONE, s_iMissingFileMessageSeconds, MessagePanelC::RESULT_OK);
    }
    OnSuccess();
}

} // namespace APP
} // namespace KTX
