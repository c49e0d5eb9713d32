// Upload files as they come on the card: the header alone (what the file lists read) and the
// whole package (what the update reads). A package that reads whole carries exactly the payload
// its header announces.
#include "FuzzSupport.h"

#include "Quillbase/CMN_FileHeader.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    static const QString s_strPath = QFile::decodeName(qgetenv("KESTRA_SIM_ROOT")) + QStringLiteral("/card/upload.fw");
    KFZ::putFile(s_strPath, KFZ::bytes(pData, uSize));
    const QByteArray baPath = QFile::encodeName(s_strPath);

    CMN::FileHeaderS oHeader;
    const int iHeader = CMN::readFileHeader(baPath.constData(), oHeader);
    CMN::FileHeaderS oPackageHeader;
    QByteArray baPayload;
    const int iPackage = CMN::readPackageFile(baPath.constData(), oPackageHeader, baPayload);
    if (iPackage == CMN::RC_HEADER_OK) {
        KFZ::require(iHeader == CMN::RC_HEADER_OK, "package reads whole but its header does not");
        KFZ::require(quint32(baPayload.size()) == oPackageHeader.uPayloadSize, "package payload size");
        KFZ::require(oPackageHeader.strObjectFileName == oHeader.strObjectFileName
                         && oPackageHeader.iFileType == oHeader.iFileType,
                     "package and header disagree");
    }
    KFZ::endInput();
    return 0;
}
