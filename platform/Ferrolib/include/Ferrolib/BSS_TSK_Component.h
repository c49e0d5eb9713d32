#pragma once
// Components and component containers whose life-cycle the platform drives. Every override of a
// life-cycle operation ends by calling the base implementation.
#include <QList>
#include <QString>

namespace BSS {
namespace TSK {

class NodeC
{
public:
    NodeC() = default;
    virtual ~NodeC();
    NodeC(const NodeC&) = delete;
    NodeC& operator=(const NodeC&) = delete;
};

class SysComponentC : public NodeC
{
public:
    SysComponentC();
    ~SysComponentC() override;

    virtual bool initComponent(int iArg);
    virtual bool startComponent(int iArg);
    virtual bool stopComponent(int iArg);
    virtual bool deinitComponent(int iArg);
    // The platform waits with this before it stops a component; true when it may go on.
    virtual bool waitUntilStopped(int iTimeoutMs);

    bool isStarted() const;

private:
    bool m_bStarted;
};

// Drives its children with itself: init and start in the order added, stop and de-init in reverse.
// A child added to a running container is initialised and started at once; a child removed from
// it is stopped and de-initialised.
class SysComponentContainerC : public SysComponentC
{
public:
    SysComponentContainerC();
    ~SysComponentContainerC() override;

    bool addChild(SysComponentC* pChild);
    bool removeChild(SysComponentC* pChild);
    bool isInitialised() const;
    QList<SysComponentC*> children() const;

    bool initComponent(int iArg) override;
    bool startComponent(int iArg) override;
    bool stopComponent(int iArg) override;
    bool deinitComponent(int iArg) override;
    bool waitUntilStopped(int iTimeoutMs) override;

private:
    QList<SysComponentC*> m_lstChildren;
    bool m_bInitialised = false;
};

// Components that others look up by class name (the firmware accessor, for instance).
class ComponentRegistryC
{
public:
    static bool registerComponent(const QString& strClassName, SysComponentC* pComponent);
    static bool unregisterComponent(const QString& strClassName, SysComponentC* pComponent);
    // Null when none is registered; a found component is released with release().
    static SysComponentC* lookup(const QString& strClassName);
    static void release(SysComponentC* pComponent);
};

} // namespace TSK
} // namespace BSS
