#include "V40_GUI_TitleBar.h"

#include "V40_GUI_ExitButton.h"
#include "V40_GUI_Look.h"

#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QHBoxLayout>
#include <QHash>
#include <QPixmap>
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

    // Draws strText off the screen, so that showing it only copies it.
    void prepare(const QString& strText) { titleImage(strText); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter oPainter(this);
        const QPixmap& rImage = titleImage(text());
        const qreal dRatio = rImage.devicePixelRatio();
        oPainter.drawPixmap(QPointF(0, 0), rImage,
                            QRectF(s_iImageMargin * dRatio, 0, width() * dRatio, height() * dRatio));
    }

private:
    // A title drawn glyph by glyph costs up to a tenth of a millisecond at each opening, for
    // the few titles there are: each is drawn once, on the bar's own background, and copied.
    const QPixmap& titleImage(const QString& strText)
    {
        const QColor oBackground = palette().color(QPalette::Window);
        const qreal dRatio = devicePixelRatioF();
        const QString strLook = QStringLiteral("%1/%2/%3/%4x%5/%6")
                                    .arg(font().key())
                                    .arg(oBackground.rgba())
                                    .arg(palette().color(foregroundRole()).rgba())
                                    .arg(width())
                                    .arg(height())
                                    .arg(dRatio);
        // Far more than all titles in all languages.
        if (strLook != m_strLook || m_hashImages.size() >= 256) {
            m_hashImages.clear();
            m_strLook = strLook;
        }
        auto it = m_hashImages.find(strText);
        if (it == m_hashImages.end()) {
            QPixmap oImage(QSize(width() + s_iImageMargin, height()) * dRatio);
            oImage.setDevicePixelRatio(dRatio);
            // What lies under the label: the bar's background, which the label shares.
            oImage.fill(oBackground);
            // A glyph that reaches out of the label is cut by a clip, as on the screen, not by
            // the image's edge: the two blend its edge pixels differently.
            QPainter oPainter(&oImage);
            oPainter.translate(s_iImageMargin, 0);
            oPainter.setClipRect(rect());
            drawTitle(oPainter, strText);
            it = m_hashImages.insert(strText, oImage);
        }
        return it.value();
    }

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

    // Room to the left of the label in its title images.
    static constexpr int s_iImageMargin = 8;
    QHash<QString, QPixmap> m_hashImages;
    QString m_strLook;
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
    static_cast<TitleLabelC*>(m_pLabel)->prepare(strTitle);
}

ExitButtonC* TitleBarC::exitButton() const
{
    return m_pExitButton;
}

} // namespace GUI
} // namespace V40
