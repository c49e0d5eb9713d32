#pragma once
// The messages of one translation source, built from the text token table.
#include "TSG_Message.h"

#include "V40_LNG_TextTokens.h"

#include <QList>
#include <QMap>

namespace TSG {

class CatalogC
{
public:
    // One message per context, source text and kind, in token order; tokens that share all
    // three share the message, as they share the translation at run time.
    static CatalogC fromTextTokens(const QMap<int, V40::LNG::TextTokenC>& rmapTokens);

    // Takes over the translations of an existing source so a regeneration loses no work.
    // Translated messages whose text left the table stay as vanished (finished) or obsolete
    // (unfinished) ones: Linguist still shows them, lrelease leaves them out.
    void merge(const QList<MessageC>& lstExisting);

    const QList<MessageC>& messages() const { return m_lstMessages; }

private:
    QList<MessageC> m_lstMessages;
};

} // namespace TSG
