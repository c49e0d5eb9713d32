#pragma once
// Puts the defaults of a settings screen (settings model 0) on the screen; nothing is stored
// until the user accepts.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class SetSettingsToDefaultStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit SetSettingsToDefaultStateC(QObject* parent = nullptr);
    ~SetSettingsToDefaultStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
