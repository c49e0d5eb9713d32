// Ties the Win32 layer to the Qt loop: the main thread's message queue is dispatched by Qt, and
// the process's top-level Qt windows are announced to the other processes of the same root, so
// that a second start can find, restore and raise the GUI window.
#include <windows.h>

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_ReplacedFile.h"
#include "WinInternal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QWidget>
#include <QWindow>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// QtGui's entry for key events as the window system delivers them.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* pWindow, QEvent::Type eType, int iKey, Qt::KeyboardModifiers eModifiers,
                                    const QString& strText = QString(), bool bAutoRepeat = false, ushort uCount = 1);

namespace {

constexpr quintptr kAnnouncedTag = quintptr(1) << 62;

QString windowsDir()
{
    return VSIM::runtimeDir() + "/windows";
}

QString announcementPath(qint64 iPid, int iNumber)
{
    return QStringLiteral("%1/%2-%3.win").arg(windowsDir()).arg(iPid).arg(iNumber);
}

// Announcements live only as long as the processes: they are replaced whole (a reader never
// sees half of one) but not synced to disk, which would make every window change wait.
void replaceRuntimeFile(const QString& strPath, const QByteArray& baContents)
{
    const QString strTemp = strPath + ".new";
    QFile oFile(strTemp);
    if (!oFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const bool bWritten = oFile.write(baContents) == baContents.size();
    oFile.close();
    const VSIM::ReplacedFileC oReplaced(strPath);
    if (!bWritten || ::rename(QFile::encodeName(strTemp).constData(), QFile::encodeName(strPath).constData()) != 0)
        QFile::remove(strTemp);
}

QString commandPath(qint64 iPid)
{
    return QStringLiteral("%1/%2.cmd").arg(windowsDir()).arg(iPid);
}

HWND encode(qint64 iPid, int iNumber)
{
    return reinterpret_cast<HWND>(kAnnouncedTag | (quintptr(iPid) << 24) | quintptr(iNumber));
}

bool decode(HWND hWnd, qint64& riPid, int& riNumber)
{
    const quintptr uValue = reinterpret_cast<quintptr>(hWnd);
    if (!(uValue & kAnnouncedTag))
        return false;
    riPid = qint64((uValue & ~kAnnouncedTag) >> 24);
    riNumber = int(uValue & 0xFFFFFF);
    return true;
}

struct AnnouncementS
{
    bool bValid = false;
    qint64 iPid = 0;
    QString strTitle;
    bool bVisible = false;
    bool bZoomed = false;
};

AnnouncementS readAnnouncement(const QString& strPath)
{
    AnnouncementS oResult;
    QFile oFile(strPath);
    if (!oFile.open(QIODevice::ReadOnly))
        return oResult;
    const QStringList lstLines = QString::fromUtf8(oFile.readAll()).split('\n');
    if (lstLines.size() < 4)
        return oResult;
    oResult.iPid = lstLines.at(0).toLongLong();
    oResult.strTitle = lstLines.at(1);
    oResult.bVisible = lstLines.at(2) == QLatin1String("1");
    oResult.bZoomed = lstLines.at(3) == QLatin1String("1");
    // A process that died without tidying up leaves its announcements behind.
    oResult.bValid = oResult.iPid > 0 && (::kill(pid_t(oResult.iPid), 0) == 0 || errno == EPERM);
    return oResult;
}

bool sendCommand(HWND hWnd, const QByteArray& baCommand)
{
    qint64 iPid = 0;
    int iNumber = 0;
    if (!decode(hWnd, iPid, iNumber))
        return false;
    const QByteArray baPath = QFile::encodeName(commandPath(iPid));
    const int iFd = ::open(baPath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (iFd < 0)
        return false;
    const QByteArray baLine = QByteArray::number(iNumber) + ' ' + baCommand + '\n';
    const bool bOk = ::write(iFd, baLine.constData(), size_t(baLine.size())) == baLine.size();
    ::close(iFd);
    return bOk;
}

// Lives in the Qt application: announces top-level windows and carries out remote commands.
class WindowAnnouncerC : public QObject
{
public:
    explicit WindowAnnouncerC(QObject* pParent)
        : QObject(pParent)
    {
        VSIM::ensureDir(windowsDir());
        const QByteArray baPath = QFile::encodeName(commandPath(QCoreApplication::applicationPid()));
        ::unlink(baPath.constData());
        if (::mkfifo(baPath.constData(), 0600) == 0)
            m_iCommandFd = ::open(baPath.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (m_iCommandFd >= 0) {
            auto* pNotifier = new QSocketNotifier(m_iCommandFd, QSocketNotifier::Read, this);
            connect(pNotifier, &QSocketNotifier::activated, this, [this] { readCommands(); });
        }
    }

    ~WindowAnnouncerC() override
    {
        for (auto it = m_hashWindows.constBegin(); it != m_hashWindows.constEnd(); ++it)
            QFile::remove(announcementPath(QCoreApplication::applicationPid(), it.key()));
        if (m_iCommandFd >= 0) {
            ::close(m_iCommandFd);
            QFile::remove(commandPath(QCoreApplication::applicationPid()));
        }
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        switch (pEvent->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
        case QEvent::WindowTitleChange:
            if (pObject->isWidgetType())
                update(static_cast<QWidget*>(pObject));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void update(QWidget* pWidget)
    {
        if (!pWidget->isWindow() || pWidget->windowType() != Qt::Window)
            return;
        int iNumber = m_hashWindows.key(pWidget, 0);
        if (iNumber == 0) {
            iNumber = ++m_iLastNumber;
            m_hashWindows.insert(iNumber, pWidget);
            connect(pWidget, &QObject::destroyed, this, [this, iNumber] {
                m_hashWindows.remove(iNumber);
                QFile::remove(announcementPath(QCoreApplication::applicationPid(), iNumber));
            });
        }
        // As on the instrument, a window without a title of its own is named after the program.
        const QString strTitle =
            pWidget->windowTitle().isEmpty() ? QCoreApplication::applicationName() : pWidget->windowTitle();
        replaceRuntimeFile(announcementPath(QCoreApplication::applicationPid(), iNumber),
                           QStringLiteral("%1\n%2\n%3\n%4\n")
                               .arg(QCoreApplication::applicationPid())
                               .arg(strTitle)
                               .arg(pWidget->isVisible() ? 1 : 0)
                               .arg(pWidget->isMaximized() ? 1 : 0)
                               .toUtf8());
    }

    void readCommands()
    {
        char acBuffer[512];
        ssize_t iRead = 0;
        while ((iRead = ::read(m_iCommandFd, acBuffer, sizeof acBuffer)) > 0)
            m_baPending.append(acBuffer, int(iRead));
        int iEnd = -1;
        while ((iEnd = m_baPending.indexOf('\n')) >= 0) {
            const QList<QByteArray> lstWords = m_baPending.left(iEnd).split(' ');
            m_baPending.remove(0, iEnd + 1);
            // One event per command: a key may open a screen with its own loop, which must see
            // the keys that follow.
            if (lstWords.size() >= 2)
                QMetaObject::invokeMethod(
                    this, [this, lstWords] { execute(lstWords.at(0).toInt(), lstWords.mid(1)); },
                    Qt::QueuedConnection);
        }
    }

    void execute(int iNumber, const QList<QByteArray>& lstCommand)
    {
        QWidget* pWidget = m_hashWindows.value(iNumber);
        if (!pWidget)
            return;
        if (lstCommand.at(0) == "fg") {
            pWidget->raise();
            pWidget->activateWindow();
        } else if (lstCommand.at(0) == "key" && lstCommand.size() > 1 && pWidget->windowHandle()) {
            // Through the window system, so that shortcuts answer as they do to the keyboard.
            const int iKey = lstCommand.at(1).toInt();
            // The instrument's keyboard always reaches the GUI.
            if (!pWidget->isActiveWindow())
                pWidget->activateWindow();
            // Digits, the point and the minus are typed, as their keys type them.
            const QString strText = iKey >= 0x20 && iKey <= 0x7e ? QString(QChar(iKey)) : QString();
            qt_handleKeyEvent(pWidget->windowHandle(), QEvent::KeyPress, iKey, Qt::NoModifier, strText);
            qt_handleKeyEvent(pWidget->windowHandle(), QEvent::KeyRelease, iKey, Qt::NoModifier, strText);
        } else if (lstCommand.at(0) == "show" && lstCommand.size() > 1) {
            applyShow(pWidget, lstCommand.at(1).toInt());
        } else if (lstCommand.at(0) == "grab" && lstCommand.size() > 1) {
            grab(pWidget, QFile::decodeName(lstCommand.mid(1).join(' ')));
        }
    }

    static void grab(QWidget* pWidget, const QString& strPngPath)
    {
        if (!pWidget->grab().save(strPngPath, "PNG"))
            return;
        // Whole or not at all: the asking process takes the report as soon as it is there.
        replaceRuntimeFile(QString(strPngPath).replace(QRegularExpression("\\.png$"), QString()) + ".txt",
                           KestraWin::screenReport(pWidget).toUtf8());
    }

    static void applyShow(QWidget* pWidget, int iCmdShow)
    {
        switch (iCmdShow) {
        case SW_HIDE:
            pWidget->hide();
            break;
        case SW_MAXIMIZE:
            pWidget->showMaximized();
            break;
        case SW_MINIMIZE:
            pWidget->showMinimized();
            break;
        case SW_RESTORE:
            // Restore leaves a maximised window's minimised state only.
            if (pWidget->isMinimized())
                pWidget->setWindowState(pWidget->windowState() & ~Qt::WindowMinimized);
            else if (pWidget->isMaximized())
                pWidget->showNormal();
            pWidget->show();
            break;
        default:
            pWidget->show();
            break;
        }
    }

    QHash<int, QPointer<QWidget>> m_hashWindows;
    int m_iLastNumber = 0;
    int m_iCommandFd = -1;
    QByteArray m_baPending;
};

void dispatchQueuedMessages()
{
    MSG oMsg;
    while (PeekMessageW(&oMsg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&oMsg);
        DispatchMessageW(&oMsg);
    }
}

void startBridge()
{
    QCoreApplication* pApp = QCoreApplication::instance();
    auto* pNotifier = new QSocketNotifier(KestraWin::threadQueueFd(), QSocketNotifier::Read, pApp);
    QObject::connect(pNotifier, &QSocketNotifier::activated, pApp, [] { dispatchQueuedMessages(); });
    if (qobject_cast<QApplication*>(pApp))
        pApp->installEventFilter(new WindowAnnouncerC(pApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startBridge)

namespace KestraWin {

HWND findAnnouncedWindow(const QString& strTitle)
{
    const QDir oDir(windowsDir());
    const QStringList lstFiles = oDir.entryList({QStringLiteral("*.win")}, QDir::Files, QDir::Name);
    for (const QString& strFile : lstFiles) {
        const AnnouncementS oAnnouncement = readAnnouncement(oDir.filePath(strFile));
        if (!oAnnouncement.bValid || oAnnouncement.strTitle != strTitle)
            continue;
        const int iNumber = strFile.section('-', 1).section('.', 0, 0).toInt();
        return encode(oAnnouncement.iPid, iNumber);
    }
    return nullptr;
}

bool isAnnouncedWindow(HWND hWnd)
{
    qint64 iPid = 0;
    int iNumber = 0;
    return decode(hWnd, iPid, iNumber);
}

bool isAnnouncedWindowZoomed(HWND hWnd)
{
    qint64 iPid = 0;
    int iNumber = 0;
    if (!decode(hWnd, iPid, iNumber))
        return false;
    const AnnouncementS oAnnouncement = readAnnouncement(announcementPath(iPid, iNumber));
    return oAnnouncement.bValid && oAnnouncement.bZoomed;
}

bool showAnnouncedWindow(HWND hWnd, int iCmdShow)
{
    qint64 iPid = 0;
    int iNumber = 0;
    if (!decode(hWnd, iPid, iNumber))
        return false;
    const bool bWasVisible = readAnnouncement(announcementPath(iPid, iNumber)).bVisible;
    sendCommand(hWnd, "show " + QByteArray::number(iCmdShow));
    return bWasVisible;
}

bool foregroundAnnouncedWindow(HWND hWnd)
{
    return sendCommand(hWnd, "fg");
}

bool pressKeyInAnnouncedWindow(HWND hWnd, int iQtKey)
{
    return sendCommand(hWnd, "key " + QByteArray::number(iQtKey));
}

bool grabAnnouncedWindow(HWND hWnd, const QString& strPngPath)
{
    // One command a line: a path with a line break cannot be asked for.
    return !strPngPath.contains('\n') && sendCommand(hWnd, "grab " + QFile::encodeName(strPngPath));
}

} // namespace KestraWin
