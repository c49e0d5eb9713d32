#pragma once
// The instrument's status controller.
#include "Stadion/VSC_InstrumentInformation.h"

namespace VSC {

enum StatusResultE { RC_STATUS_OK = 0 };

class StatusControllerC
{
public:
    // The instrument's status controller; null while no instrument is there (never on the
    // simulator).
    static StatusControllerC* instance();

    // Reads the instrument information afresh.
    int getInstrumentInformation(InstrumentInformationC& rInformation) const;

private:
    StatusControllerC() = default;
};

} // namespace VSC
