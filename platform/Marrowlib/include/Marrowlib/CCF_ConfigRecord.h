#pragma once
// Access to one configuration record of the instrument, addressed by its two record identifiers.
//
// A record holds a version and a sequence of 32-bit integers; they are read back in the order
// they were written. Reading: openRead(), readVersion(), readInt() ... Writing: beginWrite(version),
// writeInt() ..., commit(). Nothing reaches the store before commit(); release() (or the
// destructor) drops an open handle without writing.
#include "Marrowlib/CCF_ConfigRecordFile.h"

#include <QByteArray>

namespace CCF {

class ConfigRecordC
{
public:
    // A configuration record ("CONF").
    ConfigRecordC(int iId1, int iId2);
    // A record of another kind kept the same way, such as the serial port's ("SERL").
    ConfigRecordC(const char (&acKind)[5], int iId1, int iId2);
    ~ConfigRecordC();
    ConfigRecordC(const ConfigRecordC&) = delete;
    ConfigRecordC& operator=(const ConfigRecordC&) = delete;

    // false when the record is missing or unusable (see ConfigRecordFileC).
    bool openRead();
    // The record is there, usable or not: a false openRead() then means a damaged record.
    bool isPresent() const;
    // Both false unless the record is open for reading; readInt() also at the end of the record.
    bool readVersion(int& riVersion) const;
    bool readInt(int& riValue);

    // Starts a new content for the record with this version; the stored record stays as it is
    // until commit().
    bool beginWrite(int iVersion);
    // false unless writing was begun.
    bool writeInt(int iValue);
    // Stores version and integers atomically and releases the handle; true only when stored.
    bool commit();

    void release();
    bool isOpen() const;

private:
    enum ModeE { MODE_CLOSED, MODE_READ, MODE_WRITE };

    ConfigRecordFileC m_oFile;
    ModeE m_eMode = MODE_CLOSED;
    int m_iVersion = 0;
    QByteArray m_baPayload;
    int m_iReadPos = 0;
};

} // namespace CCF
