#pragma once
// Writes messages as a Qt Linguist source that Linguist, lupdate and lrelease read.
#include "TSG_Message.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace TSG {

class TsWriterC
{
public:
    // Messages are grouped by context in the order their contexts first appear. The same input
    // always gives the same bytes, so a regenerated source only differs where the texts do.
    static QByteArray toXml(const QList<MessageC>& lstMessages, const QString& strLanguage);
};

} // namespace TSG
