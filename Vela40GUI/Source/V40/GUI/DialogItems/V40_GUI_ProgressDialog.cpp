#include "V40_GUI_ProgressDialog.h"

#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_UTI_Resources.h"

#include "Ferrolib/BSS_Assert.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_ProgressDialog", __LINE__)

namespace V40 {
namespace GUI {

namespace {
const char* const s_szAnimationImage = ":/Images/Loading_100.png";
constexpr int s_iDialogWidth = 400;
constexpr int s_iTextMargin = 12;
constexpr int s_iFrameMargin = 12;

QWidget* mainWindowOr(QWidget* pParent)
{
    if (pParent)
        return pParent;
    // No report here when there is none: the dialog also works as a window of its own.
    const QList<QWidget*> listTopLevel = QApplication::topLevelWidgets();
    for (QWidget* pWidget : listTopLevel) {
        if (MainWindowC* pMainWindow = qobject_cast<MainWindowC*>(pWidget))
            return pMainWindow;
    }
    return nullptr;
}
} // namespace

ProgressDialogC::ProgressDialogC(const QString& strText, int iOptions, QWidget* pParent)
    : QDialog(mainWindowOr(pParent), Qt::Dialog | Qt::FramelessWindowHint)
    , m_pTextLabel(new QLabel(strText, this))
    , m_pSpacer(nullptr)
    , m_iCurrentFrame(0)
    , m_iOptions(iOptions)
    , m_pTimer(new QTimer(this))
{
    setModal(true);
    setFont(lookFont(22));
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, Qt::white);
    setPalette(oPalette);
    setAutoFillBackground(true);

    loadFrames();
    const QSize oFrameSize = m_listFrames.isEmpty() ? QSize(0, 0) : m_listFrames.first().size();

    m_pTextLabel->setFont(lookFont(22));
    m_pTextLabel->setWordWrap(true);
    m_pTextLabel->setAlignment(Qt::AlignCenter);
    m_pTextLabel->setContentsMargins(s_iTextMargin, s_iTextMargin, s_iTextMargin, 0);
    m_pSpacer = new QSpacerItem(oFrameSize.width(), oFrameSize.height() + 2 * s_iFrameMargin, QSizePolicy::Minimum,
                                QSizePolicy::Fixed);
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pTextLabel);
    pLayout->addItem(m_pSpacer);
    setFixedWidth(qMax(s_iDialogWidth, oFrameSize.width() + 2 * s_iFrameMargin));

    m_pTimer->setInterval(FRAME_INTERVAL_MS);
    connect(m_pTimer, SIGNAL(timeout()), this, SLOT(changeImage()));
}

ProgressDialogC::~ProgressDialogC() = default;

void ProgressDialogC::loadFrames()
{
    const QPixmap oStrip = UTI::resourcePixmap(QString::fromLatin1(s_szAnimationImage));
    if (oStrip.isNull()) {
        V40_GUI_REPORT("!oStrip.isNull()");
        return;
    }
    const int iFrameHeight = oStrip.height() / FRAME_COUNT;
    for (int iFrame = 0; iFrame < FRAME_COUNT; ++iFrame) {
        QPixmap oFrame = oStrip.copy(0, iFrame * iFrameHeight, oStrip.width(), iFrameHeight);
        if (m_iOptions & OPTION_SMALL_SIZE)
            oFrame = oFrame.scaledToHeight(iFrameHeight / 2, Qt::SmoothTransformation);
        m_listFrames.append(oFrame);
    }
}

void ProgressDialogC::setText(const QString& strText)
{
    m_pTextLabel->setText(strText);
}

QString ProgressDialogC::text() const
{
    return m_pTextLabel->text();
}

int ProgressDialogC::options() const
{
    return m_iOptions;
}

int ProgressDialogC::frameCount() const
{
    return m_listFrames.size();
}

int ProgressDialogC::currentFrame() const
{
    return m_iCurrentFrame;
}

QPixmap ProgressDialogC::frame(int iFrame) const
{
    return m_listFrames.value(iFrame);
}

void ProgressDialogC::changeImage()
{
    // Without frames there is nothing to advance (and nothing to divide by).
    if (m_listFrames.isEmpty())
        return;
    m_iCurrentFrame = (m_iCurrentFrame + 1) % m_listFrames.size();
    update(frameRect());
}

QRect ProgressDialogC::frameRect() const
{
    if (m_listFrames.isEmpty() || !m_pSpacer)
        return QRect();
    const QSize oSize = m_listFrames.first().size();
    const QRect oArea = m_pSpacer->geometry();
    return QRect(QPoint(oArea.center().x() - oSize.width() / 2, oArea.center().y() - oSize.height() / 2), oSize);
}

void ProgressDialogC::keyPressEvent(QKeyEvent* pEvent)
{
    pEvent->accept();
}

void ProgressDialogC::paintEvent(QPaintEvent* pEvent)
{
    QDialog::paintEvent(pEvent);
    QPainter oPainter(this);
    if (!m_listFrames.isEmpty())
        oPainter.drawPixmap(frameRect().topLeft(), m_listFrames.at(m_iCurrentFrame));
    oPainter.setPen(QPen(Qt::black, 2));
    oPainter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void ProgressDialogC::showEvent(QShowEvent* pEvent)
{
    m_pTimer->start();
    QDialog::showEvent(pEvent);
}

void ProgressDialogC::hideEvent(QHideEvent* pEvent)
{
    m_pTimer->stop();
    QDialog::hideEvent(pEvent);
}

} // namespace GUI
} // namespace V40
