#include "Quillbase/CMN_FileHeader.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace CMN {

namespace {

const char s_acMagic[4] = {'K', 'P', 'K', 'G'};
constexpr quint16 FORMAT_REVISION = 1;
constexpr quint16 MAX_TEXT_BYTES = 1024;

void writeText(QDataStream& rStream, const QString& strText)
{
    const QByteArray baText = strText.toUtf8().left(MAX_TEXT_BYTES);
    rStream << quint16(baText.size());
    rStream.writeRawData(baText.constData(), baText.size());
}

bool readText(QDataStream& rStream, QString& rstrText)
{
    quint16 uSize = 0;
    rStream >> uSize;
    if (rStream.status() != QDataStream::Ok || uSize > MAX_TEXT_BYTES)
        return false;
    QByteArray baText(uSize, Qt::Uninitialized);
    if (rStream.readRawData(baText.data(), uSize) != uSize)
        return false;
    rstrText = QString::fromUtf8(baText);
    return true;
}

int readHeader(QDataStream& rStream, FileHeaderS& rHeader)
{
    char acMagic[4];
    if (rStream.readRawData(acMagic, 4) != 4 || std::memcmp(acMagic, s_acMagic, 4) != 0)
        return RC_HEADER_INVALID;
    quint16 uRevision = 0, uFileType = 0, uMajor = 0, uMinor = 0, uBuild = 0, uYear = 0;
    quint8 uMonth = 0, uDay = 0;
    quint32 uObjectType = 0;
    rStream >> uRevision >> uFileType >> uMajor >> uMinor >> uBuild >> uYear >> uMonth >> uDay
        >> uObjectType;
    if (rStream.status() != QDataStream::Ok || uRevision != FORMAT_REVISION)
        return RC_HEADER_INVALID;
    FileHeaderS oHeader;
    oHeader.iFileType = uFileType;
    oHeader.oVersion.set(uMajor, uMinor, uBuild);
    oHeader.oDate = QDate(uYear, uMonth, uDay);
    oHeader.iObjectType = int(uObjectType);
    if (!readText(rStream, oHeader.strDescription) || !readText(rStream, oHeader.strObjectFileName))
        return RC_HEADER_INVALID;
    rStream >> oHeader.uPayloadSize >> oHeader.uPayloadChecksum;
    if (rStream.status() != QDataStream::Ok || oHeader.uPayloadSize > MAX_PAYLOAD_BYTES)
        return RC_HEADER_INVALID;
    rHeader = oHeader;
    return RC_HEADER_OK;
}

quint16 checksumOf(const QByteArray& baData)
{
    return qChecksum(baData.constData(), uint(baData.size()), Qt::ChecksumIso3309);
}

// Only a regular file is opened: a FIFO or a device on the card would block the reader (and the
// file list with it) until something writes to it.
bool openRegularFile(QFile& rFile)
{
    return QFileInfo(rFile.fileName()).isFile() && rFile.open(QIODevice::ReadOnly);
}

} // namespace

int readFileHeader(const char* szPath, FileHeaderS& rHeader)
{
    QFile oFile(QFile::decodeName(szPath ? szPath : ""));
    if (!openRegularFile(oFile))
        return RC_HEADER_NO_FILE;
    QDataStream oStream(&oFile);
    oStream.setByteOrder(QDataStream::LittleEndian);
    return readHeader(oStream, rHeader);
}

int readPackageFile(const char* szPath, FileHeaderS& rHeader, QByteArray& rbaPayload)
{
    QFile oFile(QFile::decodeName(szPath ? szPath : ""));
    if (!openRegularFile(oFile))
        return RC_HEADER_NO_FILE;
    QDataStream oStream(&oFile);
    oStream.setByteOrder(QDataStream::LittleEndian);
    FileHeaderS oHeader;
    const int iResult = readHeader(oStream, oHeader);
    if (iResult != RC_HEADER_OK)
        return iResult;
    // Exactly the announced payload: a truncated or padded file is not the one that was made.
    if (oFile.size() - oFile.pos() != qint64(oHeader.uPayloadSize))
        return RC_HEADER_INVALID;
    QByteArray baPayload = oFile.read(oHeader.uPayloadSize);
    if (baPayload.size() != int(oHeader.uPayloadSize) || checksumOf(baPayload) != oHeader.uPayloadChecksum)
        return RC_HEADER_INVALID;
    rHeader = oHeader;
    rbaPayload = baPayload;
    return RC_HEADER_OK;
}

bool writePackageFile(const QString& strPath, const FileHeaderS& rHeader, const QByteArray& baPayload)
{
    if (quint32(baPayload.size()) > MAX_PAYLOAD_BYTES)
        return false;
    QSaveFile oFile(strPath);
    if (!oFile.open(QIODevice::WriteOnly))
        return false;
    QDataStream oStream(&oFile);
    oStream.setByteOrder(QDataStream::LittleEndian);
    oStream.writeRawData(s_acMagic, 4);
    const QDate oDate = rHeader.oDate.isValid() ? rHeader.oDate : QDate(1970, 1, 1);
    oStream << FORMAT_REVISION << quint16(rHeader.iFileType) << rHeader.oVersion.getMajor()
            << rHeader.oVersion.getMinor() << rHeader.oVersion.getBuild() << quint16(oDate.year())
            << quint8(oDate.month()) << quint8(oDate.day()) << quint32(rHeader.iObjectType);
    writeText(oStream, rHeader.strDescription);
    writeText(oStream, rHeader.strObjectFileName);
    oStream << quint32(baPayload.size()) << checksumOf(baPayload);
    oStream.writeRawData(baPayload.constData(), baPayload.size());
    return oStream.status() == QDataStream::Ok && oFile.commit();
}

} // namespace CMN
