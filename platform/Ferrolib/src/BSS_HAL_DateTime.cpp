#include "Ferrolib/BSS_HAL_DateTime.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QDateTime>

namespace BSS {
namespace HAL {

double currentDateTime()
{
    // Local time, as the instrument's clock shows it; both ends are taken as UTC so that no time
    // zone or daylight saving change enters the difference.
    const QDateTime oNow = QDateTime::currentDateTime();
    const QDateTime oLocalNow(oNow.date(), oNow.time(), Qt::UTC);
    const QDateTime oEpoch(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    // The simulated instrument's clock runs apart from the host's, which is never set.
    const double dOffsetSeconds = VSIM::SettingsC::doubleValue(QStringLiteral("Clock/Offset"));
    return (double(oEpoch.msecsTo(oLocalNow)) / 1000.0 + dOffsetSeconds) / 86400.0;
}

} // namespace HAL
} // namespace BSS
