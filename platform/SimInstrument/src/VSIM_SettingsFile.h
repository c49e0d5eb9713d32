#pragma once
// The file behind the simulator's settings, shared by the readers, the writers and the watcher.
#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVariant>

namespace VSIM {

// A stored value as text (a value with commas may read back as a list).
QString storedText(const QVariant& varStored);
// The INI text of these values, as QSettings reads it back.
QByteArray iniText(const QMap<QString, QString>& mapValues);
// What the file holds, key by stored text. bReadable is false, traced once, when the file holds a
// value in QSettings' own form ("@Variant(...)"), which only damage puts there: Qt would throw or
// make a picture without a GUI, and a damaged file must not stop the program.
struct StoredValuesS
{
    bool bReadable = true;
    QHash<QString, QString> hashTexts;
};
// Parsed once for each version of the file (a write replaces it, so its inode or change time
// differs): screens read many values, and each read must see what another process wrote.
StoredValuesS storedValues();
// Merges the changes into the stored values and replaces the file whole. The caller holds the
// edit lock, so that no other process writes in between.
bool writeSimulatorSettings(const QHash<QString, QString>& hashStored, const QMap<QString, QString>& mapChanges);

} // namespace VSIM
