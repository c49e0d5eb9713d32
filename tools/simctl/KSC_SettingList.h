#pragma once
// The table of simulator settings as the control tool prints it.
#include <QString>

namespace KSC {

// Key, unit, default, range and current value, one setting a line in aligned columns.
QString settingList();
// Key, unit, default, range and meaning as the README's Markdown table.
QString settingListMarkdown();

} // namespace KSC
