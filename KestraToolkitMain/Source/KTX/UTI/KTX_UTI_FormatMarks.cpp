#include "KTX/UTI/KTX_UTI_FormatMarks.h"

namespace KTX {
namespace UTI {

const QString& degreeMark()
{
    static const QString s_strMark(QChar(0x00B0));
    return s_strMark;
}

const QString& minuteMark()
{
    static const QString s_strMark(QChar(0x2032));
    return s_strMark;
}

const QString& secondMark()
{
    static const QString s_strMark(QChar(0x2033));
    return s_strMark;
}

const QString& footMark()
{
    static const QString s_strMark(QChar('\''));
    return s_strMark;
}

const QString& inchMark()
{
    static const QString s_strMark(QChar('"'));
    return s_strMark;
}

} // namespace UTI
} // namespace KTX
