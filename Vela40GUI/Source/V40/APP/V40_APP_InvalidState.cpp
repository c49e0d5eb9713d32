#include "V40_APP_InvalidState.h"

namespace V40 {
namespace APP {

InvalidStateC::InvalidStateC(QObject* parent)
    : ApplicationStateBaseC(parent)
{
}

InvalidStateC::~InvalidStateC() = default;

void InvalidStateC::execute()
{
    setApplicationResult(RESULT_INVALID_STATE);
}

} // namespace APP
} // namespace V40
