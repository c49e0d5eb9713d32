#pragma once
// The state that stands for a state that does not exist.
#include "V40_APP_ApplicationStateBase.h"

namespace V40 {
namespace APP {

class InvalidStateC : public ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit InvalidStateC(QObject* parent = nullptr);
    ~InvalidStateC() override;

    // Sets the application result 0x2000004 and returns at once, without waiting.
    void execute() override;
};

} // namespace APP
} // namespace V40
