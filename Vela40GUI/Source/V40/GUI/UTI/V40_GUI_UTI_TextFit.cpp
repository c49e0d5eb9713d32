#include "V40/GUI/UTI/V40_GUI_UTI_TextFit.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

namespace V40 {
namespace GUI {
namespace UTI {

namespace {

QString withoutTrailingSpace(const QString& strLine)
{
    int iEnd = strLine.size();
    while (iEnd > 0 && strLine.at(iEnd - 1).isSpace())
        --iEnd;
    return strLine.left(iEnd);
}

// The lines of one paragraph (no line break in it) at most iWidth wide.
QStringList wrapParagraph(const QString& strParagraph, const QFont& rFont, int iWidth)
{
    QStringList lstLines;
    QTextLayout oLayout(strParagraph, rFont);
    QTextOption oOption;
    oOption.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    oLayout.setTextOption(oOption);
    oLayout.beginLayout();
    for (QTextLine oLine = oLayout.createLine(); oLine.isValid(); oLine = oLayout.createLine()) {
        oLine.setLineWidth(iWidth);
        // The space where a line was broken shows nowhere; a centred line must not count it.
        lstLines << withoutTrailingSpace(strParagraph.mid(oLine.textStart(), oLine.textLength()));
    }
    oLayout.endLayout();
    if (lstLines.isEmpty())
        lstLines << QString(); // an empty paragraph is still an empty line
    return lstLines;
}

} // namespace

FittedTextC fitText(const QString& strText, const QFont& rFont, const QSize& rBox, int iMinimumPixelSize)
{
    FittedTextC oFitted;
    const QStringList lstParagraphs = strText.split(QLatin1Char('\n'));
    for (int iPixelSize = qMax(rFont.pixelSize(), iMinimumPixelSize); !oFitted.m_bFits && iPixelSize >= iMinimumPixelSize; --iPixelSize) {
        QFont oFont(rFont);
        oFont.setPixelSize(iPixelSize);
        QStringList lstLines;
        for (const QString& strParagraph : lstParagraphs)
            lstLines << wrapParagraph(strParagraph, oFont, rBox.width());
        const QFontMetrics oMetrics(oFont);
        const int iHeight = oMetrics.height() + (lstLines.size() - 1) * oMetrics.lineSpacing();
        oFitted.m_oFont = oFont;
        oFitted.m_strText = lstLines.join(QLatin1Char('\n'));
        oFitted.m_bFits = iHeight <= rBox.height();
    }
    return oFitted;
}

} // namespace UTI
} // namespace GUI
} // namespace V40
