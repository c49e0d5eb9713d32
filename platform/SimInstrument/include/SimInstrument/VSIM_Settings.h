#pragma once
// The simulated instrument's state: the settings of the table, kept under the simulator's
// registry root, read and written only here. Another process (the simulator control tool)
// may change them at any time; SettingsWatcherC tells who wants to know.
#include "SimInstrument/VSIM_SettingTable.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <functional>

namespace VSIM {

class SettingsC
{
public:
    // The setting as its type (bool, int, double or QString): the stored value when it reads as
    // that type, else the default. The range is checked when a value is written, not here. An
    // unknown key is traced and reads as an invalid QVariant.
    static QVariant value(const QString& strKey);
    static bool boolValue(const QString& strKey);
    static int intValue(const QString& strKey);
    static double doubleValue(const QString& strKey);
    static QString textValue(const QString& strKey);

    // Writes the values after the checks of the table, all or none, in one change of the file;
    // false with the reason in pstrError when one of them is refused or the file cannot be written.
    static bool setValue(const QString& strKey, const QVariant& varValue, WriterE eWriter = WRITER_USER,
                         QString* pstrError = nullptr);
    static bool setValues(const QList<QPair<QString, QVariant>>& lstValues, WriterE eWriter = WRITER_USER,
                          QString* pstrError = nullptr);
    // Reads and rewrites one setting as a single step for every process of this root, as a list
    // that one process adds to and another takes from needs. fnEdit gets the current text and
    // returns the new one.
    static bool editValue(const QString& strKey, const std::function<QString(const QString&)>& fnEdit,
                          WriterE eWriter, QString* pstrError = nullptr);
};

} // namespace VSIM
