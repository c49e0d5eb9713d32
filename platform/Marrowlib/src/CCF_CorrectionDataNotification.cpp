#include "Marrowlib/CCF_CorrectionDataNotification.h"

namespace CCF {

BSS::TSK::SubjectC& correctionDataNotifications()
{
    static BSS::TSK::SubjectC s_oSubject;
    return s_oSubject;
}

} // namespace CCF
