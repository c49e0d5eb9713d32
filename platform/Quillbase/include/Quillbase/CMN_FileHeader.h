#pragma once
// Upload files of the instrument (firmware images, language files): a header followed by the
// payload, the physical object that a loader receives.
//
// The header's file type tells what kind of upload file it is (firmware 305, language 391; lists
// of upload files filter on it). The object type tells which registered loader receives the
// payload. The two are separate numbers: one kind of upload file may carry the objects of
// different modules, each under the object type that its module's loader factory serves.
//
// Layout, integers little-endian:
//   magic "KPKG" | format revision (u16) | file type (u16) | version major, minor, build (u16 each)
//   | date year (u16), month (u8), day (u8) | object type (u32)
//   | description: length (u16) + UTF-8 | object file name: length (u16) + UTF-8
//   | payload length (u32) | payload CRC-16 (u16, ISO 3309) | payload
#include "Gaugelib/SDR_VersionRecord.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace CMN {

enum FileTypeE { FILE_TYPE_FIRMWARE = 305, FILE_TYPE_LANGUAGE = 391 };

enum FileHeaderResultE { RC_HEADER_OK = 0, RC_HEADER_NO_FILE = 1, RC_HEADER_INVALID = 2 };

struct FileHeaderS
{
    int iFileType = 0;
    SDR::VersionRecordC oVersion;
    // For language files the language's own name ("Deutsch").
    QString strDescription;
    QDate oDate;
    int iObjectType = 0;
    // The name under which the object is kept on the instrument.
    QString strObjectFileName;
    quint32 uPayloadSize = 0;
    quint16 uPayloadChecksum = 0;
};

// Guards the readers against damaged length fields.
constexpr quint32 MAX_PAYLOAD_BYTES = 64u * 1024u * 1024u;

// Reads only the header of the file at the absolute path (local 8-bit); RC_HEADER_OK on success.
int readFileHeader(const char* szPath, FileHeaderS& rHeader);

// Reads header and payload and checks the payload's length and checksum; RC_HEADER_OK on success.
int readPackageFile(const char* szPath, FileHeaderS& rHeader, QByteArray& rbaPayload);

// Writes a complete upload file (payload length and checksum are taken from the payload). The
// file is replaced only when everything was written.
bool writePackageFile(const QString& strPath, const FileHeaderS& rHeader,
                      const QByteArray& baPayload);

} // namespace CMN
