// A probe preloaded into the measured program (LD_PRELOAD): it notes when a top-level window has
// handed a frame to the display, and types the keys it is given, noting how long each takes to
// show. Lines go to stderr: "KBN frame <ms since launch>", "KBN key <name> <ms>".
// KBN_T0_NS: the launch time (CLOCK_MONOTONIC, ns); KBN_KEYS: keys to type once the first frame
// is shown and the program has settled, separated by ','; KBN_SETTLE_MS: the pause around keys;
// KBN_EVERY_FRAME: also "KBN paint <ms>" for every frame (to find screens painted twice);
// KBN_WIDGET_PAINTS: also "KBN widget <class> <region's rectangles> <bounds> <us>" for every
// widget painted while a key is timed (to find the widgets that cost an opening most).
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

qint64 nowNs()
{
    timespec oNow;
    clock_gettime(CLOCK_MONOTONIC, &oNow);
    return qint64(oNow.tv_sec) * 1000000000 + oNow.tv_nsec;
}

class ProbeC : public QObject
{
public:
    ProbeC()
        : m_iT0(qEnvironmentVariable("KBN_T0_NS").toLongLong())
        , m_lstKeys(qEnvironmentVariable("KBN_KEYS").split(',', Qt::SkipEmptyParts))
        , m_iSettleMs(qEnvironmentVariableIntValue("KBN_SETTLE_MS"))
        , m_bEveryFrame(qEnvironmentVariableIsSet("KBN_EVERY_FRAME"))
        , m_bWidgetPaints(qEnvironmentVariableIsSet("KBN_WIDGET_PAINTS"))
    {
        if (m_iSettleMs <= 0)
            m_iSettleMs = 300;
    }

    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        // A window's first frame comes with its exposure; widgets repaint on an update request
        // to their top-level widget. Either paints and flushes while it is handled, so the frame
        // is out once the object's own handling (virtual event()) has returned.
        const QEvent::Type eType = pEvent->type();
        if (eType == QEvent::Paint && m_bWidgetPaints && m_iKeySentNs > 0 && !m_bInWidgetPaint) {
            timeWidgetPaint(pObject, static_cast<QPaintEvent*>(pEvent));
            return true;
        }
        bool bFrame = false;
        if (eType == QEvent::Expose && pObject->isWindowType())
            bFrame = static_cast<QWindow*>(pObject)->isTopLevel() && static_cast<QWindow*>(pObject)->isExposed();
        else if (eType == QEvent::UpdateRequest && pObject->isWidgetType())
            bFrame = isShownWindow(static_cast<QWidget*>(pObject));
        if (!bFrame || m_bDelivering)
            return false;
        m_iLastType = int(eType);
        // Delivered in full, through the object's own event filters too, and then timed.
        m_bDelivering = true;
        QCoreApplication::instance()->notify(pObject, pEvent);
        m_bDelivering = false;
        frameShown();
        return true;
    }

private:
    // An update request before the window is exposed paints nothing: Qt keeps it for the exposure.
    static bool isShownWindow(QWidget* pWidget)
    {
        return pWidget->isWindow() && pWidget->isVisible() && pWidget->windowHandle() &&
               pWidget->windowHandle()->isExposed();
    }

    // The widget's own paint, without its children (Qt sends them their own paint events).
    void timeWidgetPaint(QObject* pObject, QPaintEvent* pEvent)
    {
        m_bInWidgetPaint = true;
        const qint64 iStart = nowNs();
        QCoreApplication::instance()->notify(pObject, pEvent);
        const qint64 iEnd = nowNs();
        m_bInWidgetPaint = false;
        const QRect oBounds = pEvent->region().boundingRect();
        std::fprintf(stderr, "KBN widget %s %d %dx%d+%d+%d %.1f\n", pObject->metaObject()->className(),
                     pEvent->region().rectCount(), oBounds.width(), oBounds.height(), oBounds.x(), oBounds.y(),
                     double(iEnd - iStart) / 1e3);
    }

    void frameShown()
    {
        const qint64 iNow = nowNs();
        if (m_bEveryFrame) {
            std::fprintf(stderr, "KBN paint %.3f %d\n", double(iNow - m_iT0) / 1e6, m_iLastType);
            std::fflush(stderr);
        }
        if (!m_bFirstFrameSeen) {
            m_bFirstFrameSeen = true;
            std::fprintf(stderr, "KBN frame %.3f\n", double(iNow - m_iT0) / 1e6);
            std::fflush(stderr);
            QTimer::singleShot(m_iSettleMs, this, [this] { typeNext(); });
        }
        if (m_iKeySentNs > 0) {
            std::fprintf(stderr, "KBN key %s %.3f\n", qPrintable(m_strKey), double(iNow - m_iKeySentNs) / 1e6);
            std::fflush(stderr);
            m_iKeySentNs = 0;
            QTimer::singleShot(m_iSettleMs, this, [this] { typeNext(); });
        }
    }


    void typeNext()
    {
        if (m_lstKeys.isEmpty()) {
            std::fprintf(stderr, "KBN done\n");
            std::fflush(stderr);
            return;
        }
        m_strKey = m_lstKeys.takeFirst();
        QWindow* pWindow = QGuiApplication::focusWindow();
        const QKeySequence oKey = QKeySequence::fromString(m_strKey);
        if (!pWindow || oKey.isEmpty()) {
            std::fprintf(stderr, "KBN key %s none\n", qPrintable(m_strKey));
            QTimer::singleShot(m_iSettleMs, this, [this] { typeNext(); });
            return;
        }
        const int iKey = oKey[0];
        const QString strText = m_strKey.size() == 1 ? m_strKey : QString();
        m_iKeySentNs = nowNs();
        std::fprintf(stderr, "KBN sent %lld\n", m_iKeySentNs);
        std::fflush(stderr);
        // Posted as the window system would: handled by whatever loop runs, nested or not.
        QCoreApplication::postEvent(pWindow, new QKeyEvent(QEvent::KeyPress, iKey, Qt::NoModifier, strText));
        QCoreApplication::postEvent(pWindow, new QKeyEvent(QEvent::KeyRelease, iKey, Qt::NoModifier, strText));
        // A key that changes nothing on the screen is reported as such.
        const QString strKey = m_strKey;
        QTimer::singleShot(3000, this, [this, strKey] {
            if (m_iKeySentNs > 0 && m_strKey == strKey) {
                std::fprintf(stderr, "KBN key %s none\n", qPrintable(strKey));
                m_iKeySentNs = 0;
                typeNext();
            }
        });
    }

    const qint64 m_iT0;
    QStringList m_lstKeys;
    int m_iSettleMs;
    const bool m_bEveryFrame;
    const bool m_bWidgetPaints;
    int m_iLastType = 0;
    bool m_bFirstFrameSeen = false;
    bool m_bDelivering = false;
    bool m_bInWidgetPaint = false;
    qint64 m_iKeySentNs = 0;
    QString m_strKey;
};

void installProbe()
{
    if (!qEnvironmentVariableIsSet("KBN_T0_NS") || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    QCoreApplication::instance()->installEventFilter(new ProbeC());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
