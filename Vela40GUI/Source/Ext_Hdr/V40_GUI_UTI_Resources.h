#pragma once
// Qt resource files are delivered beside the program.
#include <QString>

namespace V40 {
namespace GUI {
namespace UTI {

// "<directory of the program file>//<file name>", the path under which a resource file beside
// the program is registered.
QString resourceFilePathBesideProgram(const QString& strFileName);

} // namespace UTI
} // namespace GUI
} // namespace V40
