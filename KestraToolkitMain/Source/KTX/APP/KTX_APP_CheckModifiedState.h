#pragma once
// Leaving an application: asks before modifications are thrown away. Success leaves (with the
// state's result code when the user agreed), fail goes back to the state that asked.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class CheckModifiedStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    // iResultCode becomes the application's result when the user agrees to leave.
    explicit CheckModifiedStateC(int iResultCode, QObject* parent = nullptr);
    ~CheckModifiedStateC() override;

    void execute() override;

    int getResultCode() const;

private:
    int m_iResultCode;
};

} // namespace APP
} // namespace KTX
