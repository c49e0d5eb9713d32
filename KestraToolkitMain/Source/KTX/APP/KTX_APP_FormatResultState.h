#pragma once
// Reports how the format ended.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class FormatResultStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit FormatResultStateC(QObject* parent = nullptr);
    ~FormatResultStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
