// Without the damage extension's headers: no watch, the probe times the frames on X as well.
#include "KBN_DamageWatch.h"

struct DamageWatchC::PrivateS
{
};

DamageWatchC::DamageWatchC()
    : m_pPrivate(new PrivateS)
{
}

DamageWatchC::~DamageWatchC()
{
    delete m_pPrivate;
}

bool DamageWatchC::isValid() const
{
    return false;
}

void DamageWatchC::drain()
{
}

qint64 DamageWatchC::firstDamageSince(qint64) const
{
    return 0;
}
