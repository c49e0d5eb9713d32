#pragma once
// Text tokens: every text the GUI shows is a small integer that names a context, an English
// source text and a kind; the lookup translates that triple with the installed translator.
#include <QMap>
#include <QString>

namespace V40 {
namespace LNG {

// One entry of the token table. The kind is the disambiguation of the translation.
class TextTokenC
{
public:
    QString m_strContext;
    QString m_strSourceText;
    QString m_strKind;
};

// Fills the token table once; a second call reports and leaves the table as it is.
void initTextTokens();

// Empties the table, so that the next GUI start fills it again. Only while no other thread
// reads it (the GUI is gone).
void clearTextTokens();

// The text of a token in the current language; n picks the plural form of "%n" texts
// (-1 for all others). An unknown token yields "<XXX>".
QString getTextToken(int iToken, int n = -1);

// The filled table in token order (empty before initTextTokens()). Tools generate the
// translation sources from it, so it stays the one place where the texts live.
const QMap<int, TextTokenC>& textTokens();

} // namespace LNG
} // namespace V40
