#include "KSC_SettingList.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QStringList>
#include <QVector>

#include <algorithm>

namespace KSC {

namespace {

QString meaning(const VSIM::SettingS& rSetting)
{
    return rSetting.eWriter == VSIM::WRITER_INSTRUMENT ? rSetting.strDescription + " (set by the instrument)"
                                                      : rSetting.strDescription;
}

QString shown(const QString& strText)
{
    return strText.isEmpty() ? QStringLiteral("(empty)") : strText;
}

} // namespace

QString settingList()
{
    QList<QStringList> lstRows{{"KEY", "UNIT", "DEFAULT", "RANGE", "VALUE"}};
    for (const VSIM::SettingS& rSetting : VSIM::settingTable())
        lstRows.append({rSetting.strKey, rSetting.strUnit, shown(rSetting.strDefault), VSIM::rangeText(rSetting),
                        shown(VSIM::SettingsC::textValue(rSetting.strKey))});
    QVector<int> vecWidths(lstRows.first().size(), 0);
    for (const QStringList& lstRow : lstRows) {
        for (int i = 0; i < lstRow.size(); ++i)
            vecWidths[i] = std::max(vecWidths.at(i), lstRow.at(i).size());
    }
    QString strList;
    for (const QStringList& lstRow : lstRows) {
        QString strLine;
        for (int i = 0; i < lstRow.size(); ++i)
            strLine += lstRow.at(i).leftJustified(vecWidths.at(i) + 2);
        strList += strLine.trimmed() + '\n';
    }
    return strList;
}

QString settingListMarkdown()
{
    QString strTable = QStringLiteral("| Setting | Unit | Default | Range | Meaning |\n|---|---|---|---|---|\n");
    for (const VSIM::SettingS& rSetting : VSIM::settingTable())
        strTable += QStringLiteral("| `%1` | %2 | %3 | %4 | %5 |\n")
                        .arg(rSetting.strKey, rSetting.strUnit, shown(rSetting.strDefault), VSIM::rangeText(rSetting),
                             meaning(rSetting));
    return strTable;
}

} // namespace KSC
