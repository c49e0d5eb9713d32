#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QFontMetrics>
#include <QHash>
#include <QPair>
#include <QTransform>

namespace V40 {
namespace GUI {
namespace UTI {

namespace {
using TextKeyT = QPair<QFont, QString>;
} // namespace

const QStaticText& staticText(const QString& strText, const QFont& rFont)
{
    static QHash<TextKeyT, QStaticText> s_hashTexts;
    const TextKeyT oKey(rFont, strText);
    auto it = s_hashTexts.find(oKey);
    if (it == s_hashTexts.end()) {
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
    if (it == s_hashAdvances.end())
        it = s_hashAdvances.insert(oKey, QFontMetrics(rFont).horizontalAdvance(strText));
    return it.value();
}

} // namespace UTI
} // namespace GUI
} // namespace V40
