// The object of a language upload: its file name (up to the first line break) and its content
// (the rest). A name that is taken is exactly one the language manager finds again, and the
// content check never fails on what it is handed.
#include "FuzzSupport.h"

#include "KTX/LNG/KTX_LNG_LanguageFile.h"

#include "Quillbase/LOD_LGE_BaseLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    const QByteArray baInput = KFZ::bytes(pData, uSize);
    const int iBreak = baInput.indexOf('\n');
    const QString strName = QString::fromUtf8(iBreak < 0 ? baInput : baInput.left(iBreak));
    const QByteArray baContent = iBreak < 0 ? QByteArray() : baInput.mid(iBreak + 1);

    CMN::FileHeaderS oHeader;
    oHeader.iFileType = CMN::FILE_TYPE_LANGUAGE;
    oHeader.strObjectFileName = strName;
    oHeader.uPayloadSize = quint32(baContent.size());
    LOD::LGE::BaseLoaderC oLoader;
    oLoader.setObjectHeader(oHeader);
    const QString strObjectName = oLoader.getObjectName();
    if (KTX::LNG::isLanguageFileName(strName)) {
        KFZ::require(strObjectName + QStringLiteral(".qm") == strName, "language object name", strName);
        KFZ::require(!strName.contains(QLatin1Char('/')) && !strName.contains(QLatin1Char('\\')),
                     "language file name leaves its folder", strName);
    }
    KTX::LNG::isLoadableTranslation(baContent);
    KFZ::endInput();
    return 0;
}
