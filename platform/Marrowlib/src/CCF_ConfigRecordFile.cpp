#include "Marrowlib/CCF_ConfigRecordFile.h"

#include "Ferrolib/BSS_Trace.h"
#include "PlatformFolders.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CCF {

namespace {

constexpr char kMagic[4] = {'K', 'R', 'E', 'C'};
constexpr quint16 kFormatRevision = 1;
constexpr int kHeaderBytes = 28;
constexpr int kChecksumBytes = 4;
const char* const kTempInfix = ".tmp-";

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Marrowlib");
    return s_oTrace;
}

quint32 crc32(const char* pData, int iSize)
{
    static const auto s_auiTable = [] {
        struct TableS { quint32 auiEntry[256]; } sTable;
        for (quint32 uiByte = 0; uiByte < 256; ++uiByte) {
            quint32 uiCrc = uiByte;
            for (int iBit = 0; iBit < 8; ++iBit)
                uiCrc = (uiCrc & 1u) ? (uiCrc >> 1) ^ 0xEDB88320u : uiCrc >> 1;
            sTable.auiEntry[uiByte] = uiCrc;
        }
        return sTable;
    }();
    quint32 uiCrc = 0xFFFFFFFFu;
    for (int i = 0; i < iSize; ++i)
        uiCrc = s_auiTable.auiEntry[(uiCrc ^ static_cast<quint8>(pData[i])) & 0xFFu] ^ (uiCrc >> 8);
    return uiCrc ^ 0xFFFFFFFFu;
}

void appendLe32(QByteArray& rbaData, quint32 uiValue)
{
    char acBytes[4];
    qToLittleEndian(uiValue, acBytes);
    rbaData.append(acBytes, 4);
}

quint32 readLe32(const char* pData)
{
    return qFromLittleEndian<quint32>(pData);
}

bool writeAllTo(int iFd, const QByteArray& baData)
{
    const char* pData = baData.constData();
    qint64 llLeft = baData.size();
    while (llLeft > 0) {
        const ssize_t iWritten = ::write(iFd, pData, static_cast<size_t>(llLeft));
        if (iWritten < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        pData += iWritten;
        llLeft -= iWritten;
    }
    return true;
}

// Makes the rename itself durable; not every file system supports it, so failures are ignored.
void syncDirectory(const QString& strDir)
{
    const int iFd = ::open(QFile::encodeName(strDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (iFd >= 0) {
        ::fsync(iFd);
        ::close(iFd);
    }
}

} // namespace

ConfigRecordFileC::ConfigRecordFileC(const char (&acKind)[5], int iId1, int iId2)
    : m_iId1(iId1), m_iId2(iId2)
{
    std::memcpy(m_acKind, acKind, sizeof m_acKind);
}

QString ConfigRecordFileC::recordDir()
{
    return KestraPlatform::simDataDir() + "/Records";
}

QString ConfigRecordFileC::filePath() const
{
    return QStringLiteral("%1/%2_%3_%4.rec")
        .arg(recordDir(), QString::fromLatin1(m_acKind, 4))
        .arg(m_iId1)
        .arg(m_iId2);
}

QString ConfigRecordFileC::name() const
{
    return QStringLiteral("%1(%2, %3)").arg(QString::fromLatin1(m_acKind, 4)).arg(m_iId1).arg(m_iId2);
}

bool ConfigRecordFileC::read(int& riVersion, QByteArray& rbaPayload) const
{
    const QString strPath = filePath();
    const QByteArray baName = name().toLocal8Bit();
    QFile oFile(strPath);
    if (!oFile.exists()) {
        trace().write("Record %s not present, using defaults\n", baName.constData());
        return false;
    }
    auto fnDamaged = [&](const char* strReason) {
        trace().writeLevel(BSS::TRACE_WARNING, "Record %s unusable (%s), using defaults: %s\n",
                           baName.constData(), strReason, QFile::encodeName(strPath).constData());
        return false;
    };
    if (!oFile.open(QIODevice::ReadOnly))
        return fnDamaged("cannot be opened");
    if (oFile.size() > kHeaderBytes + MAX_PAYLOAD_BYTES + kChecksumBytes)
        return fnDamaged("too large");
    const QByteArray baData = oFile.readAll();
    if (baData.size() != oFile.size())
        return fnDamaged("read error");
    if (baData.size() < kHeaderBytes + kChecksumBytes)
        return fnDamaged("truncated");
    const char* pData = baData.constData();
    if (std::memcmp(pData, kMagic, sizeof kMagic) != 0)
        return fnDamaged("not a record file");
    if (qFromLittleEndian<quint16>(pData + 4) != kFormatRevision)
        return fnDamaged("unknown format revision");
    if (std::memcmp(pData + 8, m_acKind, sizeof m_acKind) != 0
        || static_cast<qint32>(readLe32(pData + 12)) != m_iId1
        || static_cast<qint32>(readLe32(pData + 16)) != m_iId2)
        return fnDamaged("belongs to another record");
    const quint32 uiLength = readLe32(pData + 24);
    if (uiLength > quint32(MAX_PAYLOAD_BYTES)
        || baData.size() != kHeaderBytes + int(uiLength) + kChecksumBytes) {
        return fnDamaged(baData.size() < kHeaderBytes + qint64(uiLength) + kChecksumBytes
                             ? "truncated"
                             : "length mismatch");
    }
    const int iChecked = kHeaderBytes + int(uiLength);
    if (readLe32(pData + iChecked) != crc32(pData, iChecked))
        return fnDamaged("checksum mismatch");
    riVersion = static_cast<qint32>(readLe32(pData + 20));
    rbaPayload = baData.mid(kHeaderBytes, int(uiLength));
    return true;
}

bool ConfigRecordFileC::write(int iVersion, const QByteArray& baPayload) const
{
    const QByteArray baName = name().toLocal8Bit();
    if (baPayload.size() > MAX_PAYLOAD_BYTES) {
        trace().writeLevel(BSS::TRACE_ERROR, "Record %s not written: payload of %d bytes too large\n",
                           baName.constData(), int(baPayload.size()));
        return false;
    }
    QByteArray baData;
    baData.reserve(kHeaderBytes + baPayload.size() + kChecksumBytes);
    baData.append(kMagic, sizeof kMagic);
    char acRevision[4] = {};
    qToLittleEndian(kFormatRevision, acRevision);
    baData.append(acRevision, 4);
    baData.append(m_acKind, sizeof m_acKind);
    appendLe32(baData, static_cast<quint32>(m_iId1));
    appendLe32(baData, static_cast<quint32>(m_iId2));
    appendLe32(baData, static_cast<quint32>(iVersion));
    appendLe32(baData, static_cast<quint32>(baPayload.size()));
    baData.append(baPayload);
    appendLe32(baData, crc32(baData.constData(), baData.size()));

    const QString strPath = filePath();
    if (!KestraPlatform::ensureDir(recordDir())) {
        trace().writeLevel(BSS::TRACE_ERROR, "Record %s not written: folder %s cannot be created\n",
                           baName.constData(), QFile::encodeName(recordDir()).constData());
        return false;
    }
    static QAtomicInt s_iTempCounter;
    const QByteArray baTemp = QFile::encodeName(
        QStringLiteral("%1%2%3-%4").arg(strPath, kTempInfix).arg(::getpid()).arg(s_iTempCounter.fetchAndAddRelaxed(1)));
    const QByteArray baFinal = QFile::encodeName(strPath);

    auto fnFailed = [&](const char* strStep, int iError) {
        trace().writeLevel(BSS::TRACE_ERROR, "Record %s not written (%s: %s), previous record kept\n",
                           baName.constData(), strStep, std::strerror(iError));
        ::unlink(baTemp.constData());
        return false;
    };
    const int iFd = ::open(baTemp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (iFd < 0)
        return fnFailed("create", errno);
    if (!writeAllTo(iFd, baData) || ::fsync(iFd) != 0) {
        const int iError = errno;
        ::close(iFd);
        return fnFailed("write", iError);
    }
    if (::close(iFd) != 0)
        return fnFailed("close", errno);
    if (::rename(baTemp.constData(), baFinal.constData()) != 0)
        return fnFailed("rename", errno);
    syncDirectory(recordDir());
    removeStaleTemporaries();
    return true;
}

// Temporary files of writers that died before their rename are never renamed; they are removed
// once their process is gone. Those of live processes may still be in use and stay.
void ConfigRecordFileC::removeStaleTemporaries() const
{
    const QString strPrefix = QFileInfo(filePath()).fileName() + kTempInfix;
    const QDir oDir(recordDir());
    const QStringList lstTemps = oDir.entryList({strPrefix + "*"}, QDir::Files | QDir::Hidden);
    for (const QString& strTemp : lstTemps) {
        bool bOk = false;
        const pid_t iPid = strTemp.mid(strPrefix.size()).section('-', 0, 0).toInt(&bOk);
        if (!bOk || iPid <= 0 || iPid == ::getpid())
            continue;
        if (::kill(iPid, 0) != 0 && errno == ESRCH)
            QFile::remove(oDir.filePath(strTemp));
    }
}

} // namespace CCF
