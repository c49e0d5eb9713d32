#include "TSG_TsReader.h"

#include <QFile>
#include <QXmlStreamReader>

namespace TSG {

bool TsReaderC::read(const QString& strPath)
{
    m_strLanguage.clear();
    m_lstMessages.clear();
    m_strError.clear();

    QFile oFile(strPath);
    if (!oFile.open(QIODevice::ReadOnly)) {
        m_strError = QStringLiteral("%1: %2").arg(strPath, oFile.errorString());
        return false;
    }
    QXmlStreamReader oReader(&oFile);
    if (!oReader.readNextStartElement()) {
        if (!oReader.hasError()) {
            oReader.raiseError(QStringLiteral("no root element"));
        }
    } else if (oReader.name() == QLatin1String("TS")) {
        readTs(oReader);
    } else {
        oReader.raiseError(QStringLiteral("not a Qt Linguist source (root element <%1>)")
                               .arg(oReader.name().toString()));
    }
    if (!oReader.hasError()) {
        // Whatever follows the root must still be well-formed.
        while (!oReader.atEnd()) {
            oReader.readNext();
        }
    }
    if (oReader.hasError()) {
        m_strError = QStringLiteral("%1:%2:%3: %4")
                         .arg(strPath)
                         .arg(oReader.lineNumber())
                         .arg(oReader.columnNumber())
                         .arg(oReader.errorString());
        m_lstMessages.clear();
        return false;
    }
    return true;
}

void TsReaderC::readTs(QXmlStreamReader& rReader)
{
    m_strLanguage = rReader.attributes().value(QLatin1String("language")).toString();
    while (rReader.readNextStartElement()) {
        if (rReader.name() == QLatin1String("context")) {
            readContext(rReader);
        } else {
            rReader.skipCurrentElement();
        }
    }
}

void TsReaderC::readContext(QXmlStreamReader& rReader)
{
    QString strContext;
    while (rReader.readNextStartElement()) {
        if (rReader.name() == QLatin1String("name")) {
            strContext = rReader.readElementText();
        } else if (rReader.name() == QLatin1String("message")) {
            readMessage(rReader, strContext);
        } else {
            rReader.skipCurrentElement();
        }
    }
}

void TsReaderC::readMessage(QXmlStreamReader& rReader, const QString& strContext)
{
    MessageC oMessage;
    oMessage.m_strContext = strContext;
    oMessage.m_bNumerus = rReader.attributes().value(QLatin1String("numerus")) ==
                          QLatin1String("yes");
    while (rReader.readNextStartElement()) {
        const QStringRef strName = rReader.name();
        if (strName == QLatin1String("source")) {
            oMessage.m_strSource = rReader.readElementText();
        } else if (strName == QLatin1String("comment")) {
            oMessage.m_strKind = rReader.readElementText();
        } else if (strName == QLatin1String("translatorcomment")) {
            oMessage.m_oTranslation.m_strTranslatorComment = rReader.readElementText();
        } else if (strName == QLatin1String("translation")) {
            readTranslation(rReader, oMessage);
        } else {
            rReader.skipCurrentElement();
        }
    }
    if (!rReader.hasError()) {
        m_lstMessages.append(oMessage);
    }
}

void TsReaderC::readTranslation(QXmlStreamReader& rReader, MessageC& rMessage)
{
    TranslationC& rTranslation = rMessage.m_oTranslation;
    rTranslation.m_strType = rReader.attributes().value(QLatin1String("type")).toString();
    rTranslation.m_lstForms.clear();
    if (!rMessage.m_bNumerus) {
        rTranslation.m_lstForms.append(
            rReader.readElementText(QXmlStreamReader::IncludeChildElements));
        return;
    }
    while (rReader.readNextStartElement()) {
        if (rReader.name() == QLatin1String("numerusform")) {
            rTranslation.m_lstForms.append(
                rReader.readElementText(QXmlStreamReader::IncludeChildElements));
        } else {
            rReader.skipCurrentElement();
        }
    }
}

} // namespace TSG
