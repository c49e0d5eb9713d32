#include "KTX/KTX_Observer.h"

#include "Ferrolib/BSS_Assert.h"

namespace KTX {

ObserverC::ObserverC(QObject* pParent)
    : QObject(pParent)
{
    connect(this, &ObserverC::notifyPrivate, this, &ObserverC::onNotifyPrivate, Qt::QueuedConnection);
}

ObserverC::~ObserverC() = default;

void ObserverC::onNotify(int iParam1, int iParam2, BSS::TSK::ResponseMsgC* pResponse)
{
    // Observers here never answer.
    if (pResponse)
        BSS_ASSERT_REPORT("!rspMsgObj", "KTX_Observer", 22);
    emit notifyPrivate(iParam1, iParam2);
}

bool ObserverC::isResponder() const
{
    return false;
}

void ObserverC::onNotifyPrivate(int iParam1, int iParam2)
{
    emit notify(iParam1, iParam2);
    emit notify(iParam1);
    emit notify();
}

} // namespace KTX
