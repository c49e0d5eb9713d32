#pragma once
// The X server's own word on when a window's content changed: damage reports of every top-level
// window, stamped on CLOCK_MONOTONIC as they arrive. Empty (isValid() false) without a display or
// without the damage extension.
#include <QObject>
#include <QVector>

class QSocketNotifier;

class DamageWatchC : public QObject
{
public:
    DamageWatchC();
    ~DamageWatchC() override;

    bool isValid() const;
    // Time of the first damage report at or after iSinceNs, 0 when none came (yet).
    qint64 firstDamageSince(qint64 iSinceNs) const;
    // Reads what the server sent; called by the socket notifier, and before asking.
    void drain();

private:
    struct PrivateS;
    PrivateS* m_pPrivate;
    QSocketNotifier* m_pNotifier = nullptr;
    QVector<qint64> m_vecDamageNs;
};
