#pragma once
// The notification that the instrument's correction data changed: whoever changed it, in whichever
// program, observers are called with NOTIFY_CORRECTION_DATA_CHANGED as the first parameter, on a
// platform thread.
#include "Ferrolib/BSS_TSK_Observer.h"

namespace CCF {

constexpr int NOTIFY_CORRECTION_DATA_CHANGED = 211;

BSS::TSK::SubjectC& correctionDataNotifications();
// For the writer of the correction data, once the change is stored: tells every program.
bool reportCorrectionDataChanged();

} // namespace CCF
