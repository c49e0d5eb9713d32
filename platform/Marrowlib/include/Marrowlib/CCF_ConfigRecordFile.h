#pragma once
// One persistent record of the instrument, kept as a file in the instrument's file system.
//
// The same file format serves every kind of record (configuration, parameter, correction data,
// refraction, serial port); the kind is a four-character tag and the record is addressed by two
// identifiers. File layout, integers little-endian:
//   magic "KREC" | format revision (u16) | 0 (u16) | kind (4 chars) | identifier 1 (i32)
//   | identifier 2 (i32) | record version (i32) | payload length (u32) | payload | CRC-32 (u32)
// The CRC-32 (IEEE) covers everything before it.
//
// A record is replaced atomically and durably (BSS::HAL::replaceFile): a write that dies half-way
// leaves the old record in place, and a write reported as done is on the device. A file that is
// missing, not a regular file, too large, truncated, damaged or belongs to another record reads
// as missing; the reason goes to the "Marrowlib" trace channel.
#include <QByteArray>
#include <QString>

namespace CCF {

class ConfigRecordFileC
{
public:
    // Guards the reader against damaged length fields; records are small.
    static constexpr int MAX_PAYLOAD_BYTES = 4 * 1024 * 1024;

    ConfigRecordFileC(const char (&acKind)[5], int iId1, int iId2);

    // The record version and payload of a valid file; false (and both left unchanged) otherwise.
    bool read(int& riVersion, QByteArray& rbaPayload) const;
    // true only when the new record is on the device. On false the previous record is untouched,
    // unless only the flush of the folder failed.
    bool write(int iVersion, const QByteArray& baPayload) const;
    // Something is stored under the record's name, usable or not.
    bool exists() const;

    // Folder of all records: "Records" in the simulated instrument file system.
    static QString recordDir();
    QString filePath() const;
    // "CONF(2, 1)", as used in traces.
    QString name() const;

private:
    char m_acKind[4];
    int m_iId1;
    int m_iId2;
};

} // namespace CCF
