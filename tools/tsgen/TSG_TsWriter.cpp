#include "TSG_TsWriter.h"

#include <QXmlStreamWriter>

namespace TSG {

namespace {

QString tokenNote(const QList<int>& lstTokens)
{
    QStringList lstNumbers;
    for (int iToken : lstTokens) {
        lstNumbers.append(QString::number(iToken));
    }
    return (lstTokens.size() == 1 ? QStringLiteral("Token ") : QStringLiteral("Tokens ")) +
           lstNumbers.join(QStringLiteral(", "));
}

void writeMessage(QXmlStreamWriter& rWriter, const MessageC& rMessage)
{
    rWriter.writeStartElement(QStringLiteral("message"));
    if (rMessage.m_bNumerus) {
        rWriter.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
    }
    rWriter.writeTextElement(QStringLiteral("source"), rMessage.m_strSource);
    if (!rMessage.m_strKind.isEmpty()) {
        rWriter.writeTextElement(QStringLiteral("comment"), rMessage.m_strKind);
    }
    if (!rMessage.m_lstTokens.isEmpty()) {
        rWriter.writeTextElement(QStringLiteral("extracomment"), tokenNote(rMessage.m_lstTokens));
    }
    const TranslationC& rTranslation = rMessage.m_oTranslation;
    if (!rTranslation.m_strTranslatorComment.isEmpty()) {
        rWriter.writeTextElement(QStringLiteral("translatorcomment"),
                                 rTranslation.m_strTranslatorComment);
    }
    rWriter.writeStartElement(QStringLiteral("translation"));
    if (!rTranslation.m_strType.isEmpty()) {
        rWriter.writeAttribute(QStringLiteral("type"), rTranslation.m_strType);
    }
    if (rMessage.m_bNumerus) {
        for (const QString& strForm : rTranslation.m_lstForms) {
            rWriter.writeTextElement(QStringLiteral("numerusform"), strForm);
        }
    } else {
        rWriter.writeCharacters(rTranslation.m_lstForms.value(0));
    }
    rWriter.writeEndElement(); // translation
    rWriter.writeEndElement(); // message
}

} // namespace

QByteArray TsWriterC::toXml(const QList<MessageC>& lstMessages, const QString& strLanguage)
{
    QStringList lstContexts;
    for (const MessageC& rMessage : lstMessages) {
        if (!lstContexts.contains(rMessage.m_strContext)) {
            lstContexts.append(rMessage.m_strContext);
        }
    }

    QByteArray baXml;
    QXmlStreamWriter oWriter(&baXml);
    oWriter.setAutoFormatting(true);
    oWriter.setAutoFormattingIndent(4);
    oWriter.writeStartDocument();
    oWriter.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    oWriter.writeStartElement(QStringLiteral("TS"));
    oWriter.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    if (!strLanguage.isEmpty()) {
        oWriter.writeAttribute(QStringLiteral("language"), strLanguage);
    }
    oWriter.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    for (const QString& strContext : lstContexts) {
        oWriter.writeStartElement(QStringLiteral("context"));
        oWriter.writeTextElement(QStringLiteral("name"), strContext);
        for (const MessageC& rMessage : lstMessages) {
            if (rMessage.m_strContext == strContext) {
                writeMessage(oWriter, rMessage);
            }
        }
        oWriter.writeEndElement(); // context
    }
    oWriter.writeEndElement(); // TS
    oWriter.writeEndDocument();
    return baXml;
}

} // namespace TSG
