#pragma once
#include "Ferrolib/BSS_TSK_Observer.h"

#include <QObject>

namespace KTX {

// Turns platform notifications from any thread into signals on this object's thread.
class ObserverC : public QObject, public BSS::TSK::ObserverC
{
    Q_OBJECT

public:
    explicit ObserverC(QObject* pParent = nullptr);
    ~ObserverC() override;

    void onNotify(int iParam1, int iParam2, BSS::TSK::ResponseMsgC* pResponse) override;
    bool isResponder() const override;

signals:
    void notify(int iParam1, int iParam2);
    void notify(int iParam1);
    void notify();
    void notifyPrivate(int iParam1, int iParam2);

private slots:
    void onNotifyPrivate(int iParam1, int iParam2);
};

} // namespace KTX
