#include "Ferrolib/BSS_TSK_Command.h"

namespace BSS {
namespace TSK {

CommandC::CommandC()
    : m_pSource(nullptr)
    , m_iPort(-1)
{
}

CommandC::~CommandC()
{
    unsubscribe();
}

void CommandC::executeCommand(const CommandParamS& rParams)
{
    callBound(rParams);
}

void CommandC::bindCommand(const std::function<void(int, int)>& fnCallback)
{
    m_fnCallback = fnCallback;
}

bool CommandC::subscribe(CommandSourceC* pSource, int iPort)
{
    if (!pSource || m_pSource)
        return false;
    if (!pSource->add(this))
        return false;
    m_pSource = pSource;
    m_iPort = iPort;
    return true;
}

void CommandC::unsubscribe()
{
    if (m_pSource)
        m_pSource->remove(this);
    m_pSource = nullptr;
    m_iPort = -1;
}

bool CommandC::isSubscribed() const
{
    return m_pSource != nullptr;
}

int CommandC::subscribedPort() const
{
    return m_iPort;
}

void CommandC::callBound(const CommandParamS& rParams)
{
    if (m_fnCallback)
        m_fnCallback(rParams.iParam1, rParams.iParam2);
}

CommandSourceC::CommandSourceC() = default;

CommandSourceC::~CommandSourceC() = default;

void CommandSourceC::fire(int iParam1, int iParam2, int iInheritanceLevel)
{
    // Executed under the lock, so that an unsubscribed command is never called afterwards.
    std::unique_lock<std::recursive_mutex> oLock(m_oMutex);
    CommandParamS oParams;
    oParams.iInheritanceLevel = iInheritanceLevel;
    oParams.iParam1 = iParam1;
    oParams.iParam2 = iParam2;
    const QList<CommandC*> lstCommands = m_lstCommands;
    for (CommandC* pCommand : lstCommands)
        pCommand->executeCommand(oParams);
}

int CommandSourceC::subscriberCount() const
{
    std::unique_lock<std::recursive_mutex> oLock(m_oMutex);
    return m_lstCommands.size();
}

bool CommandSourceC::add(CommandC* pCommand)
{
    std::unique_lock<std::recursive_mutex> oLock(m_oMutex);
    if (m_lstCommands.contains(pCommand))
        return false;
    m_lstCommands.append(pCommand);
    return true;
}

void CommandSourceC::remove(CommandC* pCommand)
{
    std::unique_lock<std::recursive_mutex> oLock(m_oMutex);
    m_lstCommands.removeOne(pCommand);
}

} // namespace TSK
} // namespace BSS
