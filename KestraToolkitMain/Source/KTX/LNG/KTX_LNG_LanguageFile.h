#pragma once
// What may be installed as the GUI's translation: the checks that the language loader and the
// package tool share, so that a file the tool packs is one the instrument accepts.
#include <QByteArray>
#include <QString>

namespace KTX {
namespace LNG {

// "KestraToolkit_de_DE.qm": the pattern of the language manager, with letters for language and
// country. Anything else (other names, folders, control characters, what invalid UTF-8 decoded
// to) would be written where the manager never finds it, or somewhere else entirely.
bool isLanguageFileName(const QString& strFileName);

// A complete translation file: it loads, holds translated messages, and its blocks end where the
// file ends (a cut file may still load, with part of its texts missing).
bool isLoadableTranslation(const QByteArray& baContent);

} // namespace LNG
} // namespace KTX
