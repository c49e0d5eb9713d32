#pragma once
// Puts the factory units on the unit settings screen; nothing is stored until the user accepts.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class UnitSettingsSetConfigurationToDefaultStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit UnitSettingsSetConfigurationToDefaultStateC(QObject* parent = nullptr);
    ~UnitSettingsSetConfigurationToDefaultStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
