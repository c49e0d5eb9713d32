#include "V40_GUI_TitleBar.h"

#include "V40_GUI_ExitButton.h"
#include "V40_GUI_Look.h"

#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>

namespace V40 {
namespace GUI {

namespace {

// The title changes at every screen: a label of fixed size that draws its text laid out once
// spares the main window a new layout, and the text its shaping, each time.
class TitleLabelC : public QLabel
{
public:
    TitleLabelC(const QString& strTitle, const QSize& rSize, QWidget* parent)
        : QLabel(strTitle, parent)
    {
        setFixedSize(rSize);
    }

    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }

    // Lays strText out and draws it once off the screen, so that its glyphs are ready when it
    // is first shown.
    void prepare(const QString& strText) const
    {
        QImage oImage(size(), QImage::Format_ARGB32_Premultiplied);
        oImage.fill(Qt::transparent);
        QPainter oPainter(&oImage);
        drawTitle(oPainter, strText);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter oPainter(this);
        drawTitle(oPainter, text());
    }

private:
    // Where a label of the line's height, centred in the bar, draws it: left and centred in
    // whole pixels first, then in fractions.
    void drawTitle(QPainter& rPainter, const QString& strText) const
    {
        rPainter.setFont(font());
        rPainter.setPen(palette().color(foregroundRole()));
        const QFontMetricsF oMetrics(font());
        const int iLineHeight = fontMetrics().height();
        const QRect oRect = contentsRect();
        const qreal dTop = oRect.top() + (oRect.height() - iLineHeight) / 2
                           + (iLineHeight - (oMetrics.ascent() + oMetrics.descent())) / 2;
        rPainter.drawStaticText(QPointF(oRect.left(), dTop), UTI::staticText(strText, font()));
    }
};

} // namespace

TitleBarC::TitleBarC(const QString& strTitle, QWidget* parent)
    : QWidget(parent)
    , m_pExitButton(new ExitButtonC(this))
{
    setFixedSize(g_iDisplayWidth, 40);
    setContentsMargins(10, 0, 0, 0);
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, g_oTitleColor);
    setPalette(oPalette);
    setAutoFillBackground(true);
    // The room between the left margin and the exit button.
    const QSize oLabelSize(contentsRect().width() - m_pExitButton->sizeHint().width(), height());
    m_pLabel = new TitleLabelC(strTitle, oLabelSize, this);
    m_pLabel->setFont(lookFont(24));
    QHBoxLayout* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pLabel, 0, Qt::AlignLeft | Qt::AlignVCenter);
    pLayout->addWidget(m_pExitButton, 0, Qt::AlignRight | Qt::AlignTop);
}

TitleBarC::~TitleBarC() = default;

QString TitleBarC::title() const
{
    return m_pLabel->text();
}

void TitleBarC::setTitle(const QString& strTitle)
{
    m_pLabel->setText(strTitle);
}

void TitleBarC::prepareTitle(const QString& strTitle) const
{
    static_cast<const TitleLabelC*>(m_pLabel)->prepare(strTitle);
}

ExitButtonC* TitleBarC::exitButton() const
{
    return m_pExitButton;
}

} // namespace GUI
} // namespace V40
