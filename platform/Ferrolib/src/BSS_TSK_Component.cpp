#include "Ferrolib/BSS_TSK_Component.h"

#include <QHash>
#include <mutex>

#include <algorithm>

namespace BSS {
namespace TSK {

NodeC::~NodeC() = default;

SysComponentC::SysComponentC()
    : m_bStarted(false)
{
}

SysComponentC::~SysComponentC() = default;

bool SysComponentC::initComponent(int)
{
    return true;
}

bool SysComponentC::startComponent(int)
{
    m_bStarted = true;
    return true;
}

bool SysComponentC::stopComponent(int)
{
    m_bStarted = false;
    return true;
}

bool SysComponentC::deinitComponent(int)
{
    return true;
}

bool SysComponentC::waitUntilStopped(int)
{
    return true;
}

bool SysComponentC::isStarted() const
{
    return m_bStarted;
}

SysComponentContainerC::SysComponentContainerC() = default;

SysComponentContainerC::~SysComponentContainerC() = default;

bool SysComponentContainerC::addChild(SysComponentC* pChild)
{
    if (!pChild || m_lstChildren.contains(pChild))
        return false;
    m_lstChildren.append(pChild);
    if (m_bInitialised)
        pChild->initComponent(1);
    if (isStarted())
        pChild->startComponent(1);
    return true;
}

bool SysComponentContainerC::removeChild(SysComponentC* pChild)
{
    if (!m_lstChildren.removeOne(pChild))
        return false;
    if (isStarted())
        pChild->stopComponent(1);
    if (m_bInitialised)
        pChild->deinitComponent(1);
    return true;
}

bool SysComponentContainerC::isInitialised() const
{
    return m_bInitialised;
}

QList<SysComponentC*> SysComponentContainerC::children() const
{
    return m_lstChildren;
}

bool SysComponentContainerC::initComponent(int iArg)
{
    bool bOk = true;
    for (SysComponentC* pChild : m_lstChildren)
        bOk = pChild->initComponent(iArg) && bOk;
    m_bInitialised = true;
    return SysComponentC::initComponent(iArg) && bOk;
}

bool SysComponentContainerC::startComponent(int iArg)
{
    bool bOk = true;
    for (SysComponentC* pChild : m_lstChildren)
        bOk = pChild->startComponent(iArg) && bOk;
    return SysComponentC::startComponent(iArg) && bOk;
}

bool SysComponentContainerC::stopComponent(int iArg)
{
    bool bOk = true;
    for (auto it = m_lstChildren.crbegin(); it != m_lstChildren.crend(); ++it)
        bOk = (*it)->stopComponent(iArg) && bOk;
    return SysComponentC::stopComponent(iArg) && bOk;
}

bool SysComponentContainerC::deinitComponent(int iArg)
{
    bool bOk = true;
    for (auto it = m_lstChildren.crbegin(); it != m_lstChildren.crend(); ++it)
        bOk = (*it)->deinitComponent(iArg) && bOk;
    m_bInitialised = false;
    return SysComponentC::deinitComponent(iArg) && bOk;
}

bool SysComponentContainerC::waitUntilStopped(int iTimeoutMs)
{
    bool bOk = true;
    for (SysComponentC* pChild : m_lstChildren)
        bOk = pChild->waitUntilStopped(iTimeoutMs) && bOk;
    return bOk;
}

namespace {

struct RegistryS
{
    std::mutex oMutex;
    QHash<QString, SysComponentC*> hashComponents;
};

RegistryS& registry()
{
    static RegistryS s_oRegistry;
    return s_oRegistry;
}

} // namespace

bool ComponentRegistryC::registerComponent(const QString& strClassName, SysComponentC* pComponent)
{
    std::unique_lock<std::mutex> oLock(registry().oMutex);
    if (!pComponent || registry().hashComponents.contains(strClassName))
        return false;
    registry().hashComponents.insert(strClassName, pComponent);
    return true;
}

bool ComponentRegistryC::unregisterComponent(const QString& strClassName, SysComponentC* pComponent)
{
    std::unique_lock<std::mutex> oLock(registry().oMutex);
    if (registry().hashComponents.value(strClassName) != pComponent)
        return false;
    registry().hashComponents.remove(strClassName);
    return true;
}

SysComponentC* ComponentRegistryC::lookup(const QString& strClassName)
{
    std::unique_lock<std::mutex> oLock(registry().oMutex);
    return registry().hashComponents.value(strClassName);
}

void ComponentRegistryC::release(SysComponentC*)
{
    // Registered components are owned by their modules; a look-up holds no reference.
}

} // namespace TSK
} // namespace BSS
