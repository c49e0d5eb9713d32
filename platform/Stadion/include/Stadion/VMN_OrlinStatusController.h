#pragma once
// The instrument's status controller: what the instrument has.
#include "Stadion/VMN_InstrumentInfo.h"

namespace VMN {

class OrlinStatusControllerC
{
public:
    static constexpr int RC_OK = 0;

    // 0 on success, with the information filled in.
    int getInstrumentInfo(InstrumentInfoC& rInstrumentInfo);
};

} // namespace VMN
