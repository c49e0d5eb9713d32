#pragma once
// Stores the application model and confirms it. Success when stored (or nothing to store), fail
// when storing failed, so that the application can go back to its panel with the values kept.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class StoreDataStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit StoreDataStateC(QObject* parent = nullptr);
    ~StoreDataStateC() override;

    void execute() override;
};

} // namespace APP
} // namespace KTX
