#pragma once
// One message of a translation source: what Qt looks a text up by (context, source text,
// disambiguation) and what a translator made of it.
#include <QList>
#include <QString>
#include <QStringList>

namespace TSG {

class TranslationC
{
public:
    // "" = finished; "unfinished"; "vanished" / "obsolete" = kept after the text left the table.
    QString m_strType;
    // One text, or one per plural form for "%n" texts.
    QStringList m_lstForms;
    QString m_strTranslatorComment;

    bool hasText() const
    {
        for (const QString& strForm : m_lstForms) {
            if (!strForm.isEmpty()) {
                return true;
            }
        }
        return false;
    }
};

class MessageC
{
public:
    QString m_strContext;
    QString m_strSource;
    // The token's kind, written as the disambiguation (<comment>).
    QString m_strKind;
    // Tokens sharing this text; empty for a message that is no longer in the table.
    QList<int> m_lstTokens;
    bool m_bNumerus = false;
    TranslationC m_oTranslation;

    bool sameKey(const MessageC& rOther) const
    {
        return m_strContext == rOther.m_strContext && m_strSource == rOther.m_strSource &&
               m_strKind == rOther.m_strKind;
    }
};

} // namespace TSG
