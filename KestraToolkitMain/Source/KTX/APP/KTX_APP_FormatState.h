#pragma once
// Formats the memory device, on the GUI thread; success when the platform reports it done. On
// the desktop simulator nothing is formatted and the format counts as done.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class FormatStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit FormatStateC(QObject* parent = nullptr);
    ~FormatStateC() override;

    void execute() override;

private:
    static int formatSdCard();
};

} // namespace APP
} // namespace KTX
