#include "KTX_APP_CalibrationErrorCode.h"

#include <cstdint>

namespace KTX {
namespace APP {

namespace {

struct ModuleS
{
    int iModule;
    const char* pText;
    int iOffset;
};

// Module field of the code -> text and the offset that makes the numbers unique.
const ModuleS s_aModules[] = {
    {600, "ANG", 256},  {601, "ATA", 512},   {602, "EDM", 768},   {603, "TMC", 1280},
    {604, "MOT", 1792}, {605, "CSV", 4096},  {606, "AUT", 8704},  {607, "ICD", 12288},
    {608, "KDM", 12544}, {609, "VMN", 0},    {610, "COV", 0},     {611, "LOV", 0},
};

} // namespace

CalibrationErrorIdS CalibrationErrorCodeC::decode(int iErrorCode)
{
    // Bit fields of the unsigned code; the sign bit is the flag.
    const std::uint32_t uCode = static_cast<std::uint32_t>(iErrorCode);
    CalibrationErrorIdS oId;
    oId.bFlag = (uCode & 0x80000000u) != 0;
    oId.iNumber = static_cast<int>(uCode & 0xFFFu);
    const int iModule = static_cast<int>((uCode & 0x7FF00000u) >> 20);
    oId.strModule = QStringLiteral("General");
    for (const ModuleS& rModule : s_aModules) {
        if (rModule.iModule == iModule) {
            oId.strModule = QString::fromLatin1(rModule.pText);
            oId.iNumber += rModule.iOffset;
            break;
        }
    }
    return oId;
}

} // namespace APP
} // namespace KTX
