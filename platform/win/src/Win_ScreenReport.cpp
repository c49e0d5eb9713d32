// What a window shows, for the screen tour: every visible text and whether it fits its widget.
// Judged from the widgets' own geometry and fonts, so it holds on every display, offscreen too.
#include "WinInternal.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QWidget>

namespace KestraWin {

namespace {

// The part of the widget its ancestors up to the window leave visible, in its own coordinates.
QRect unclippedRect(const QWidget* pWidget)
{
    QRect oRect = pWidget->rect();
    QPoint oOffset;
    for (const QWidget* pAncestor = pWidget; pAncestor && !pAncestor->isWindow(); pAncestor = pAncestor->parentWidget()) {
        oOffset += pAncestor->pos();
        const QWidget* pParent = pAncestor->parentWidget();
        if (pParent)
            oRect &= pParent->rect().translated(-oOffset);
    }
    return oRect;
}

// What a text needs and the room it has, in pixels.
struct NeedS
{
    QSize oText;
    QSize oRoom;
    bool fits() const { return oText.width() <= oRoom.width() && oText.height() <= oRoom.height(); }
};

// Heights by the ink of the glyphs: a tall font's empty line gap may overlap the widget's edge.
QSize linesSize(const QFontMetrics& rMetrics, const QString& strText)
{
    const QStringList lstLines = strText.split('\n');
    int iWidth = 0;
    int iInk = 0;
    for (const QString& strLine : lstLines) {
        iWidth = qMax(iWidth, rMetrics.horizontalAdvance(strLine));
        iInk = qMax(iInk, rMetrics.tightBoundingRect(strLine).height());
    }
    return QSize(iWidth, (lstLines.size() - 1) * rMetrics.lineSpacing() + iInk);
}

NeedS labelNeed(const QLabel* pLabel)
{
    const QRect oRect = pLabel->contentsRect().adjusted(pLabel->margin(), pLabel->margin(), -pLabel->margin(),
                                                        -pLabel->margin());
    if (pLabel->wordWrap())
        return {QSize(0, pLabel->heightForWidth(pLabel->width())), QSize(pLabel->width(), pLabel->height())};
    return {linesSize(pLabel->fontMetrics(), pLabel->text()),
            QSize(oRect.width() - qMax(0, pLabel->indent()), oRect.height())};
}

// A field shows its whole value, not a scrolled part of it (the frame and Qt's text margin of 2).
NeedS lineEditNeed(const QLineEdit* pLineEdit)
{
    const int iFrame = pLineEdit->hasFrame() ? 2 : 0;
    const QMargins oMargins = pLineEdit->textMargins();
    const int iWidth = pLineEdit->contentsRect().width() - 2 * iFrame - 4 - oMargins.left() - oMargins.right();
    return {QSize(pLineEdit->fontMetrics().horizontalAdvance(pLineEdit->displayText()), 0), QSize(iWidth, 0)};
}

} // namespace

QString screenReport(QWidget* pWindow)
{
    QString strReport;
    for (QWidget* pWidget : pWindow->findChildren<QWidget*>()) {
        if (!pWidget->isVisibleTo(pWindow) || pWidget->width() <= 0 || pWidget->height() <= 0)
            continue;
        QString strText;
        NeedS oNeed;
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
            if (pLabel->text().isEmpty() || Qt::mightBeRichText(pLabel->text()))
                continue;
            strText = pLabel->text();
            oNeed = labelNeed(pLabel);
        } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
            if (pButton->text().isEmpty())
                continue;
            strText = pButton->text();
            oNeed = {linesSize(pButton->fontMetrics(), strText), pButton->contentsRect().size()};
        } else if (auto* pLineEdit = qobject_cast<QLineEdit*>(pWidget)) {
            strText = pLineEdit->displayText();
            oNeed = lineEditNeed(pLineEdit);
        } else {
            continue;
        }
        strText.replace('\n', QStringLiteral("\\n"));
        // A text whose widget sticks out of its parents is cut off there, however it is laid out.
        const QRect oVisible = unclippedRect(pWidget);
        const QString strClass = QString::fromLatin1(pWidget->metaObject()->className());
        if (!oNeed.fits())
            strReport += QStringLiteral("CUT %1 %2 (needs %3x%4, has %5x%6)\n")
                             .arg(strClass, strText)
                             .arg(oNeed.oText.width()).arg(oNeed.oText.height())
                             .arg(oNeed.oRoom.width()).arg(oNeed.oRoom.height());
        else if (oVisible != pWidget->rect())
            strReport += QStringLiteral("CUT %1 %2 (sticks out of its parent)\n").arg(strClass, strText);
        else
            strReport += QStringLiteral("fits %1 %2\n").arg(strClass, strText);
    }
    return strReport;
}

} // namespace KestraWin
