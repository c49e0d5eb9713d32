#pragma once
// Reads the messages and translations of an existing Qt Linguist source.
#include "TSG_Message.h"

#include <QList>
#include <QString>

class QXmlStreamReader;

namespace TSG {

class TsReaderC
{
public:
    // False with errorText() set when the file cannot be read or is not a well-formed source.
    bool read(const QString& strPath);

    const QString& language() const { return m_strLanguage; }
    const QList<MessageC>& messages() const { return m_lstMessages; }
    const QString& errorText() const { return m_strError; }

private:
    void readTs(QXmlStreamReader& rReader);
    void readContext(QXmlStreamReader& rReader);
    void readMessage(QXmlStreamReader& rReader, const QString& strContext);
    static void readTranslation(QXmlStreamReader& rReader, MessageC& rMessage);

    QString m_strLanguage;
    QList<MessageC> m_lstMessages;
    QString m_strError;
};

} // namespace TSG
