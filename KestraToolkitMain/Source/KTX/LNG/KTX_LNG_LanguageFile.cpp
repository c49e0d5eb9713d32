#include "KTX/LNG/KTX_LNG_LanguageFile.h"

#include "KTX/LNG/KTX_LNG_LanguageManager.h"

#include <QTranslator>
#include <QtEndian>

namespace KTX {
namespace LNG {

namespace {

// Layout of a translation file: a 16-byte magic, then blocks of a tag byte, a big-endian 32-bit
// length and the content.
constexpr int kMagicBytes = 16;
constexpr int kBlockHeaderBytes = 5;
constexpr quint8 kMessagesTag = 0x69;

bool isLetter(QChar cChar)
{
    return (cChar >= QLatin1Char('a') && cChar <= QLatin1Char('z'))
           || (cChar >= QLatin1Char('A') && cChar <= QLatin1Char('Z'));
}

bool hasWholeBlocksWithMessages(const QByteArray& baContent)
{
    bool bMessages = false;
    qint64 llPos = kMagicBytes;
    while (llPos < baContent.size()) {
        if (baContent.size() - llPos < kBlockHeaderBytes)
            return false;
        const quint8 uTag = quint8(baContent.at(int(llPos)));
        const quint32 uLength = qFromBigEndian<quint32>(baContent.constData() + llPos + 1);
        llPos += kBlockHeaderBytes;
        if (uLength > quint64(baContent.size() - llPos))
            return false;
        bMessages = bMessages || (uTag == kMessagesTag && uLength > 0);
        llPos += uLength;
    }
    return bMessages;
}

} // namespace

bool isLanguageFileName(const QString& strFileName)
{
    const QString strPattern = QStringLiteral("%1.qm").arg(QLatin1String(g_szLanguageFilePattern));
    if (strFileName.size() != strPattern.size())
        return false;
    for (int i = 0; i < strPattern.size(); ++i) {
        const bool bMatches = strPattern.at(i) == QLatin1Char('?') ? isLetter(strFileName.at(i))
                                                                    : strFileName.at(i) == strPattern.at(i);
        if (!bMatches)
            return false;
    }
    return true;
}

bool isLoadableTranslation(const QByteArray& baContent)
{
    QTranslator oTranslator;
    return oTranslator.load(reinterpret_cast<const uchar*>(baContent.constData()), baContent.size())
           && !oTranslator.isEmpty() && hasWholeBlocksWithMessages(baContent);
}

} // namespace LNG
} // namespace KTX
