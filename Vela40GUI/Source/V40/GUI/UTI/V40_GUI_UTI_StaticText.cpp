#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QHash>
#include <QTransform>

namespace V40 {
namespace GUI {
namespace UTI {

const QStaticText& staticText(const QString& strText, const QFont& rFont)
{
    static QHash<QString, QStaticText> s_hashTexts;
    const QString strKey = rFont.key() + QLatin1Char('\n') + strText;
    auto it = s_hashTexts.find(strKey);
    if (it == s_hashTexts.end()) {
        QStaticText oText(strText);
        oText.setTextFormat(Qt::PlainText);
        oText.prepare(QTransform(), rFont);
        it = s_hashTexts.insert(strKey, oText);
    }
    return it.value();
}

} // namespace UTI
} // namespace GUI
} // namespace V40
