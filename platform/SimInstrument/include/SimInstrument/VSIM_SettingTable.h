#pragma once
// What the simulated instrument's settings are: one row per setting with its type, unit,
// default, range and meaning. Adding a setting is adding a row to the table.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace VSIM {

enum SettingTypeE { SETTING_BOOL, SETTING_INT, SETTING_DOUBLE, SETTING_TEXT };

// Who writes a setting: the user (the simulator control tool, tests) or only the instrument
// itself (its facades report what it does, such as a light switched on).
enum WriterE { WRITER_USER, WRITER_INSTRUMENT };

struct SettingS
{
    QString strKey;
    SettingTypeE eType;
    // As an operator reads it: "rad", "°C", "%", "ms", "bool", "text" ...
    QString strUnit;
    QString strDefault;
    // Numbers: the closed interval taken.
    double dMin;
    double dMax;
    // When not empty, the only values taken.
    QStringList lstChoices;
    // Texts: a regular expression the whole text must match, and how an operator reads it.
    QString strPattern;
    QString strPatternText;
    WriterE eWriter;
    QString strDescription;
};

const QList<SettingS>& settingTable();
// Null for a key that is no setting; the letter case of the key does not matter.
const SettingS* findSetting(const QString& strKey);

// Reads text as the setting's type (bool, int, double or QString) without the range check.
bool parseSetting(const SettingS& rSetting, const QString& strText, QVariant& rvarValue);
// Empty when the text is a value the setting takes, else a message that says why not.
QString checkSetting(const SettingS& rSetting, const QString& strText);
// The text a value is stored and shown as: bools as 1 and 0, numbers without loss.
QString settingText(const SettingS& rSetting, const QVariant& varValue);
// The range as an operator reads it: "-0.1 .. 0.1", "0, 1", "major.minor.build" or "any".
QString rangeText(const SettingS& rSetting);

} // namespace VSIM
