#include "Marrowlib/CCF_CorrectionDataNotification.h"

#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

#include <limits>

namespace CCF {

namespace {
// A count of the changes in the simulated instrument's state: every program of the instrument
// hears when it moves.
const QString kChangesKey = QStringLiteral("Events/CorrectionDataChanged");
} // namespace

BSS::TSK::SubjectC& correctionDataNotifications()
{
    static BSS::TSK::SubjectC s_oSubject;
    static const bool s_bWatching = [] {
        VSIM::SettingsWatcherC::subscribe([](const QStringList& lstChangedKeys) {
            if (lstChangedKeys.contains(kChangesKey))
                s_oSubject.notify(NOTIFY_CORRECTION_DATA_CHANGED, 0);
        });
        return true;
    }();
    (void)s_bWatching;
    return s_oSubject;
}

bool reportCorrectionDataChanged()
{
    return VSIM::SettingsC::editValue(
        kChangesKey,
        [](const QString& strCount) {
            const int iCount = strCount.toInt();
            return QString::number(iCount < std::numeric_limits<int>::max() ? iCount + 1 : 0);
        },
        VSIM::WRITER_INSTRUMENT);
}

} // namespace CCF
