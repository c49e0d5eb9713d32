#include "V40_GUI_MessagePanel.h"

#include "V40/GUI/UTI/V40_GUI_UTI_TextFit.h"
#include "V40_APP_WaitLoop.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_TitleBar.h"
#include "V40_GUI_UTI_Trace.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"

#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_MessagePanel", __LINE__)

namespace V40 {
namespace GUI {

namespace {
constexpr int s_iFontPointSize = 22;
// Long texts shrink no further than this, to stay legible outdoors.
constexpr int s_iSmallestFontPointSize = 12;
enum
{
    TOKEN_OK = 1,
    TOKEN_YES = 2,
    TOKEN_NO = 3,
    TOKEN_CANCEL = 4,
    TOKEN_RETRY = 5,
    TOKEN_INFORMATION = 9,
    TOKEN_WARNING = 10,
    TOKEN_ERROR = 11
};
} // namespace

MessagePanelC::MessagePanelC(const QString& strTitle, const QString& strMessage, int iButtonSet,
                             int iTimeoutSeconds, int iTimeoutResult, QWidget* parent)
    : ContentBarBaseWidgetC(parent)
    , m_iButtonSet(iButtonSet)
    , m_iResult(RESULT_NONE)
    , m_oSignalMapper(this)
    , m_iTimeoutSeconds(iTimeoutSeconds)
    , m_iTimeoutResult(iTimeoutResult)
    , m_strTitle(strTitle)
    , m_strMessage(strMessage)
    , m_iEscapeKey(0)
    , m_bShortcutsCreated(false)
    , m_pMessageLabel(new QLabel(strMessage, this))
    , m_pWaitLoop(nullptr)
{
    setFont(lookFont(s_iFontPointSize));
    m_pMessageLabel->setFont(lookFont(s_iFontPointSize));
    m_pMessageLabel->setAlignment(Qt::AlignCenter);
    // The panel breaks the lines itself (see fitMessage()), so the label only shows them and
    // its size follows the panel, not the text.
    m_pMessageLabel->setWordWrap(false);
    m_pMessageLabel->setTextFormat(Qt::PlainText);
    m_pMessageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    // Narrow side margins: a message line of 36 characters fits in the full font.
    pLayout->setContentsMargins(5, 10, 5, 10);
    pLayout->addWidget(m_pMessageLabel);

    switch (m_iButtonSet) {
    case BUTTONS_NONE:
        break;
    case BUTTONS_OK:
        m_mapButtons.insert(Qt::Key_F6, qMakePair(int(RESULT_OK), int(TOKEN_OK)));
        m_iEscapeKey = Qt::Key_F6;
        break;
    case BUTTONS_OK_CANCEL:
        m_mapButtons.insert(Qt::Key_F1, qMakePair(int(RESULT_CANCEL), int(TOKEN_CANCEL)));
        m_mapButtons.insert(Qt::Key_F6, qMakePair(int(RESULT_OK), int(TOKEN_OK)));
        m_iEscapeKey = Qt::Key_F1;
        break;
    case 3:
    case 4:
        V40_GUI_REPORT("Currently undefined.");
        break;
    case BUTTONS_YES_NO:
        m_mapButtons.insert(Qt::Key_F1, qMakePair(int(RESULT_NO), int(TOKEN_NO)));
        m_mapButtons.insert(Qt::Key_F6, qMakePair(int(RESULT_YES), int(TOKEN_YES)));
        m_iEscapeKey = Qt::Key_F1;
        break;
    case BUTTONS_RETRY_CANCEL:
        m_mapButtons.insert(Qt::Key_F1, qMakePair(int(RESULT_CANCEL), int(TOKEN_CANCEL)));
        m_mapButtons.insert(Qt::Key_F6, qMakePair(int(RESULT_RETRY), int(TOKEN_RETRY)));
        m_iEscapeKey = Qt::Key_F1;
        break;
    default:
        V40_GUI_REPORT("MessageButton currently undefined.");
        break;
    }
}

MessagePanelC::~MessagePanelC() = default;

int MessagePanelC::buttonSet() const
{
    return m_iButtonSet;
}

QString MessagePanelC::title() const
{
    return m_strTitle;
}

QString MessagePanelC::message() const
{
    return m_strMessage;
}

QMap<int, QPair<int, int>> MessagePanelC::buttons() const
{
    return m_mapButtons;
}

void MessagePanelC::setUpButtons()
{
    MainWindowC* pMainWindow = MainWindowC::instance();
    FunctionKeyBarC* pBar = pMainWindow ? pMainWindow->functionKeyBar() : nullptr;
    if (pBar)
        pBar->setAllButtonsEnabled(false);

    for (auto it = m_mapButtons.cbegin(); it != m_mapButtons.cend(); ++it) {
        if (pBar)
            pBar->setButton(it.key(), it.value().second);
        if (m_bShortcutsCreated)
            continue;
        QShortcut* pShortcut = new QShortcut(QKeySequence(it.key()), this, nullptr, nullptr, Qt::WindowShortcut);
        connect(pShortcut, SIGNAL(activated()), &m_oSignalMapper, SLOT(map()));
        m_oSignalMapper.setMapping(pShortcut, it.value().first);
        if (it.key() == m_iEscapeKey) {
            QShortcut* pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WindowShortcut);
            connect(pEscape, SIGNAL(activated()), &m_oSignalMapper, SLOT(map()));
            m_oSignalMapper.setMapping(pEscape, it.value().first);
        }
    }
    m_bShortcutsCreated = true;
    if (pBar)
        pBar->setVisible(!m_mapButtons.isEmpty());
    connect(&m_oSignalMapper, SIGNAL(mapped(int)), this, SLOT(onSelection(int)), Qt::UniqueConnection);
}

int MessagePanelC::exec()
{
    // While the GUI goes nobody is asked anything.
    if (V40::APP::WaitLoopC::isCancelling())
        return RESULT_NONE;

    MainWindowC* pMainWindow = MainWindowC::instance();
    TitleBarC* pTitleBar = pMainWindow ? pMainWindow->titleBar() : nullptr;
    const QString strPreviousTitle = pTitleBar ? pTitleBar->title() : QString();

    m_iResult = RESULT_NONE;
    setUpButtons();
    if (pTitleBar)
        pTitleBar->setTitle(m_strTitle);
    if (pMainWindow)
        pMainWindow->setContentBar(this);
    else if (m_iTimeoutSeconds <= 0)
        return RESULT_NONE; // nobody could ever answer

    V40_TRACE << QStringLiteral("MESSAGE: %1: %2").arg(m_strTitle, QString(m_strMessage).replace('\n', ' '));
    if (m_iTimeoutSeconds > 0)
        QTimer::singleShot(m_iTimeoutSeconds * 1000, this, SLOT(OnTimeout()));

    V40::APP::WaitLoopC oWait;
    m_pWaitLoop = &oWait;
    if (!oWait.exec())
        m_iResult = RESULT_NONE; // the GUI goes: unanswered
    m_pWaitLoop = nullptr;

    // The main window may have been replaced while the message waited.
    pMainWindow = MainWindowC::instance();
    pTitleBar = pMainWindow ? pMainWindow->titleBar() : nullptr;
    if (pTitleBar)
        pTitleBar->setTitle(strPreviousTitle);
    return m_iResult;
}

void MessagePanelC::resizeEvent(QResizeEvent* pEvent)
{
    ContentBarBaseWidgetC::resizeEvent(pEvent);
    fitMessage();
}

void MessagePanelC::fitMessage()
{
    // The page is shorter while the function-key bar is shown, so this follows every resize.
    const QSize oBox = contentsRect().marginsRemoved(layout()->contentsMargins()).size();
    const UTI::FittedTextC oFitted = UTI::fitText(m_strMessage, lookFont(s_iFontPointSize), oBox,
                                                  lookFont(s_iSmallestFontPointSize).pixelSize());
    if (!oFitted.m_bFits) {
        V40_TRACE << "V40::GUI::MessagePanelC: message does not fit the panel:" << m_strMessage;
    }
    m_pMessageLabel->setFont(oFitted.m_oFont);
    m_pMessageLabel->setText(oFitted.m_strText);
}

void MessagePanelC::onSelection(int iResult)
{
    answer(iResult);
}

void MessagePanelC::OnTimeout()
{
    answer(m_iTimeoutResult);
}

void MessagePanelC::answer(int iResult)
{
    m_iResult = iResult;
    if (m_pWaitLoop && m_iResult != RESULT_NONE)
        m_pWaitLoop->quit();
}

int MessagePanelC::showMessage(int iTitleToken, const QString& strMessage, int iButtonSet, int iTimeoutSeconds,
                        int iTimeoutResult)
{
    MessagePanelC oPanel(V40::LNG::getTextToken(iTitleToken), strMessage, iButtonSet, iTimeoutSeconds,
                         iTimeoutResult);
    return oPanel.exec();
}

int MessagePanelC::information(const QString& strMessage, int iButtonSet, int iTimeoutSeconds, int iTimeoutResult)
{
    return showMessage(TOKEN_INFORMATION, strMessage, iButtonSet, iTimeoutSeconds, iTimeoutResult);
}

int MessagePanelC::warning(const QString& strMessage, int iButtonSet, int iTimeoutSeconds, int iTimeoutResult)
{
    return showMessage(TOKEN_WARNING, strMessage, iButtonSet, iTimeoutSeconds, iTimeoutResult);
}

int MessagePanelC::error(const QString& strMessage, int iButtonSet, int iTimeoutSeconds, int iTimeoutResult)
{
    return showMessage(TOKEN_ERROR, strMessage, iButtonSet, iTimeoutSeconds, iTimeoutResult);
}

} // namespace GUI
} // namespace V40
