#include "V40_GUI_UTI_Resources.h"

#include "Ferrolib/BSS_HAL_PathMap.h"

#include <QFileInfo>

namespace V40 {
namespace GUI {
namespace UTI {

QString resourceFilePathBesideProgram(const QString& strFileName)
{
    const QString strProgramFile = QString::fromLocal8Bit(BSS::HAL::getProgramFilePath().c_str());
    return QStringLiteral("%1//%2").arg(QFileInfo(strProgramFile).absolutePath(), strFileName);
}

} // namespace UTI
} // namespace GUI
} // namespace V40
