#include "Marrowlib/CCF_ConfigRecordFile.h"

#include "Ferrolib/BSS_HAL_DurableFile.h"
#include "Ferrolib/BSS_Trace.h"
#include "SimInstrument/VSIM_Folders.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace CCF {

namespace {

constexpr char kMagic[4] = {'K', 'R', 'E', 'C'};
constexpr quint16 kFormatRevision = 1;
constexpr int kHeaderBytes = 28;
constexpr int kChecksumBytes = 4;

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

} // namespace

ConfigRecordFileC::ConfigRecordFileC(const char (&acKind)[5], int iId1, int iId2)
    : m_iId1(iId1), m_iId2(iId2)
{
    std::memcpy(m_acKind, acKind, sizeof m_acKind);
}

QString ConfigRecordFileC::recordDir()
{
    return VSIM::simDataDir() + "/Records";
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

bool ConfigRecordFileC::exists() const
{
    const QFileInfo oFile(filePath());
    return oFile.exists() || oFile.isSymLink();
}

bool ConfigRecordFileC::read(int& riVersion, QByteArray& rbaPayload) const
{
    const QString strPath = filePath();
    const QByteArray baName = name().toLocal8Bit();
    auto fnDamaged = [&](const char* strReason) {
        trace().writeLevel(BSS::TRACE_WARNING, "Record %s unusable (%s), using defaults: %s\n",
                           baName.constData(), strReason, QFile::encodeName(strPath).constData());
        return false;
    };
    QByteArray baData;
    switch (BSS::HAL::readRegularFile(strPath, kHeaderBytes + MAX_PAYLOAD_BYTES + kChecksumBytes, baData)) {
    case BSS::HAL::READ_OK:
        break;
    case BSS::HAL::READ_MISSING:
        trace().write("Record %s not present, using defaults\n", baName.constData());
        return false;
    case BSS::HAL::READ_NOT_REGULAR:
        return fnDamaged("not a regular file");
    case BSS::HAL::READ_TOO_LARGE:
        return fnDamaged("too large");
    case BSS::HAL::READ_FAILED:
        return fnDamaged("cannot be read");
    }
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

    QString strError;
    if (!BSS::HAL::makePath(recordDir(), strError)) {
        trace().writeLevel(BSS::TRACE_ERROR, "Record %s not written: folder %s cannot be created (%s)\n",
                           baName.constData(), QFile::encodeName(recordDir()).constData(),
                           strError.toLocal8Bit().constData());
        return false;
    }
    const BSS::HAL::DurableWriteS oWrite = BSS::HAL::replaceFile(filePath(), baData);
    if (!oWrite.bOk) {
        // After the rename only the folder's flush failed: the new record may not survive a
        // power loss, so the store is not done, but the old one is gone.
        trace().writeLevel(BSS::TRACE_ERROR, "Record %s not written (%s), %s\n", baName.constData(),
                           oWrite.strError.toLocal8Bit().constData(),
                           oWrite.bReplaced ? "new record not yet on the device" : "previous record kept");
        return false;
    }
    return true;
}

} // namespace CCF
