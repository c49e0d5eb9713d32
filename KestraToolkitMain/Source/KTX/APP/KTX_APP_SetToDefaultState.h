#pragma once
// Puts the factory values on a settings screen (the application's settings model 0); nothing is
// stored until the user accepts them.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class SetToDefaultStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit SetToDefaultStateC(QObject* parent = nullptr);
    ~SetToDefaultStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
