#include "Stadion/VSC_StatusController.h"

namespace VSC {

StatusControllerC* StatusControllerC::instance()
{
    static StatusControllerC s_oStatusController;
    return &s_oStatusController;
}

int StatusControllerC::getInstrumentInformation(InstrumentInformationC& rInformation) const
{
    rInformation = InstrumentInformationC();
    return RC_STATUS_OK;
}

} // namespace VSC
