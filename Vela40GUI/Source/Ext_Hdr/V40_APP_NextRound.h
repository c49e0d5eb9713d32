#pragma once
// Work for the next round of the event loop: a zero timer fires only once the events posted
// before it, a screen's update among them, have been handled. Screens use it for work that
// must not delay their first paint.
#include <QObject>
#include <QTimer>

#include <functional>

namespace V40 {
namespace APP {

class NextRoundC : public QObject
{
public:
    explicit NextRoundC(std::function<void()> fnRun, QObject* parent = nullptr);

    // Runs the function in the next round; a second call before then runs it once.
    void schedule();
    // The function does not run (again).
    void cancel();
    bool isPending() const;

private:
    QTimer m_oTimer;
    const std::function<void()> m_fnRun;
};

} // namespace APP
} // namespace V40
