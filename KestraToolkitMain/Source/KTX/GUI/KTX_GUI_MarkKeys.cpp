#include "KTX/GUI/KTX_GUI_MarkKeys.h"

namespace KTX {
namespace GUI {

bool isMarkKey(QChar cKey)
{
    return cKey == QLatin1Char('.') || cKey == QLatin1Char(' ') || cKey == QLatin1Char(',');
}

void replaceTypedMark(QString& rstrInput, int iPos, const QStringList& lstMarks)
{
    if (iPos <= 0 || iPos > rstrInput.size() || !isMarkKey(rstrInput.at(iPos - 1)) || lstMarks.isEmpty())
        return;
    QString strMark = lstMarks.last();
    for (const QString& strCandidate : lstMarks) {
        if (!rstrInput.contains(strCandidate)) {
            strMark = strCandidate;
            break;
        }
    }
    rstrInput.replace(iPos - 1, 1, strMark);
}

} // namespace GUI
} // namespace KTX
