#pragma once
// Commands: a receiver bound to a notification source is executed when the source fires, on the
// firing thread.
#include <mutex>
#include <QList>

#include <functional>

namespace BSS {
namespace TSK {

// Parameters of one execution; the level says which generation of parameter block this is.
constexpr int COMMAND_INHERITANCE_LEVEL = 1;

struct CommandParamS
{
    int iInheritanceLevel = COMMAND_INHERITANCE_LEVEL;
    int iParam1 = 0;
    int iParam2 = 0;
};

class CommandSourceC;

class CommandC
{
public:
    CommandC();
    virtual ~CommandC();
    CommandC(const CommandC&) = delete;
    CommandC& operator=(const CommandC&) = delete;

    // Default: calls the bound callback.
    virtual void executeCommand(const CommandParamS& rParams);

    // Binds the callback that executeCommand hands the two parameters to.
    void bindCommand(const std::function<void(int, int)>& fnCallback);
    // Subscribes to a source, optionally for one port only (-1: every port).
    bool subscribe(CommandSourceC* pSource, int iPort = -1);
    void unsubscribe();
    bool isSubscribed() const;
    int subscribedPort() const;

protected:
    void callBound(const CommandParamS& rParams);

private:
    std::function<void(int, int)> m_fnCallback;
    CommandSourceC* m_pSource;
    int m_iPort;
};

class CommandSourceC
{
public:
    CommandSourceC();
    ~CommandSourceC();
    CommandSourceC(const CommandSourceC&) = delete;
    CommandSourceC& operator=(const CommandSourceC&) = delete;

    // Executes every subscribed command on the calling thread.
    void fire(int iParam1, int iParam2, int iInheritanceLevel = COMMAND_INHERITANCE_LEVEL);
    int subscriberCount() const;

private:
    friend class CommandC;
    bool add(CommandC* pCommand);
    void remove(CommandC* pCommand);

    // Recursive: a command may unsubscribe itself while it is executed.
    mutable std::recursive_mutex m_oMutex;
    QList<CommandC*> m_lstCommands;
};

} // namespace TSK
} // namespace BSS
