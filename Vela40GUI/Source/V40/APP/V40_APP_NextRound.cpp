#include "V40_APP_NextRound.h"

namespace V40 {
namespace APP {

NextRoundC::NextRoundC(std::function<void()> fnRun, QObject* parent)
    : QObject(parent)
    , m_fnRun(std::move(fnRun))
{
    m_oTimer.setSingleShot(true);
    m_oTimer.setInterval(0);
    connect(&m_oTimer, &QTimer::timeout, this, [this] { m_fnRun(); });
}

void NextRoundC::schedule()
{
    m_oTimer.start();
}

void NextRoundC::cancel()
{
    m_oTimer.stop();
}

bool NextRoundC::isPending() const
{
    return m_oTimer.isActive();
}

} // namespace APP
} // namespace V40
