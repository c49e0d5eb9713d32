#pragma once
// A nested wait of the GUI thread: a state waiting for its panel, a message waiting for its answer.
// The waits nest on the call stack. A GUI stop cancels all of them at once and tears the GUI down
// only after they have returned, so no object is used after it is deleted.
#include <functional>

class QEventLoop;

namespace V40 {
namespace APP {

class WaitLoopC
{
public:
    WaitLoopC();
    ~WaitLoopC();
    WaitLoopC(const WaitLoopC&) = delete;
    WaitLoopC& operator=(const WaitLoopC&) = delete;

    // Processes events as they come until quit(). Returns false when the wait was cancelled
    // (cancelAll(), or the application's event loops were told to exit); while a cancellation
    // is under way it returns false at once.
    bool exec();
    // Ends exec(); a quit before exec() makes exec() return at once.
    void quit();

    // Number of waits on the call stack.
    static int depth();
    // True from a cancellation until every wait has returned and the deferred actions have run.
    static bool isCancelling();
    // Ends every wait. fnUnwound runs from the event loop once none is left (also when none
    // runs now); actions of several cancellations run in order.
    static void cancelAll(std::function<void()> fnUnwound = std::function<void()>());

private:
    static void finishWhenUnwound();

    QEventLoop* m_pLoop;
    bool m_bQuit;
};

} // namespace APP
} // namespace V40
