#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QHash>
#include <QPair>
#include <QTransform>

namespace V40 {
namespace GUI {
namespace UTI {

namespace {
using TextKeyT = QPair<QFont, QString>;
// Far more than all screens in all languages show; values set from outside (a serial number
// changed again and again) must not make the store grow without end.
constexpr int kMaxKeptTexts = 4096;
} // namespace

const QStaticText& staticText(const QString& strText, const QFont& rFont)
{
    static QHash<TextKeyT, QStaticText> s_hashTexts;
    const TextKeyT oKey(rFont, strText);
    auto it = s_hashTexts.find(oKey);
    if (it == s_hashTexts.end()) {
        if (s_hashTexts.size() >= kMaxKeptTexts)
            s_hashTexts.clear();
        QStaticText oText(strText);
        oText.setTextFormat(Qt::PlainText);
        oText.prepare(QTransform(), rFont);
        it = s_hashTexts.insert(oKey, oText);
    }
    return it.value();
}

int textAdvance(const QString& strText, const QFont& rFont)
{
    static QHash<TextKeyT, int> s_hashAdvances;
    const TextKeyT oKey(rFont, strText);
    auto it = s_hashAdvances.find(oKey);
    if (it == s_hashAdvances.end()) {
        if (s_hashAdvances.size() >= kMaxKeptTexts)
            s_hashAdvances.clear();
        it = s_hashAdvances.insert(oKey, QFontMetrics(rFont).horizontalAdvance(strText));
    }
    return it.value();
}

bool drawsAsLine(const QString& strText, Qt::Alignment eAlignment)
{
    for (const QChar c : strText) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\t') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return false;
    }
    const Qt::Alignment eHorizontal = eAlignment & Qt::AlignHorizontal_Mask;
    const Qt::Alignment eVertical = eAlignment & Qt::AlignVertical_Mask;
    return !strText.isRightToLeft()
        && (eHorizontal == Qt::AlignLeft || eHorizontal == Qt::AlignLeading
            || (eHorizontal == Qt::AlignRight && strText.trimmed() == strText))
        && (eVertical == Qt::AlignVCenter || eVertical == Qt::AlignTop);
}

void drawLine(QPainter& rPainter, const QRect& rRoom, Qt::Alignment eAlignment, const QString& strText)
{
    const QStaticText& rText = staticText(strText, rPainter.font());
    // The line's own height, without the leading that the laid-out text adds below it.
    const qreal dLeading = qMax(qreal(0), QFontMetricsF(rPainter.font()).leading());
    const QSizeF oSize = rText.size();
    const qreal dTop = eAlignment & Qt::AlignVCenter ? (rRoom.height() - (oSize.height() - dLeading)) / 2 : 0;
    const qreal dLeft = eAlignment & Qt::AlignRight ? rRoom.width() - oSize.width() : 0;
    const QPointF oTopLeft(rRoom.left() + dLeft, rRoom.top() + dTop - dLeading);
    const bool bCut = !QRectF(rRoom).contains(QRectF(oTopLeft, oSize));
    if (bCut) {
        rPainter.save();
        rPainter.setClipRect(rRoom, Qt::IntersectClip);
    }
    rPainter.drawStaticText(oTopLeft, rText);
    if (bCut)
        rPainter.restore();
}

} // namespace UTI
} // namespace GUI
} // namespace V40
