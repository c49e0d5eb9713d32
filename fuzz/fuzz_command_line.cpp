// The command line the program is started with, split as the entry shim does and read by the
// start-up. The program name is always there; an argument never holds an unquoted blank.
#include "FuzzSupport.h"

#include "KTX/KTX_Main.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    static KTX::MainC s_oMain;
    const QString strCommandLine = QString::fromUtf8(KFZ::bytes(pData, uSize));
    QByteArrayList lstArguments = KTX::MainC::splitCommandLine(strCommandLine);
    KFZ::require(!lstArguments.isEmpty(), "command line without program name");
    if (!strCommandLine.contains(QLatin1Char('"'))) {
        for (int i = 1; i < lstArguments.size(); ++i)
            KFZ::require(!lstArguments.at(i).contains(' ') && !lstArguments.at(i).contains('\t')
                             && !lstArguments.at(i).isEmpty(),
                         "unquoted argument with a blank", QString::fromLocal8Bit(lstArguments.at(i)));
    }
    std::vector<char*> vecArgv;
    for (QByteArray& rArgument : lstArguments)
        vecArgv.push_back(rArgument.data());
    vecArgv.push_back(nullptr);
    s_oMain.parseCommandLine(int(lstArguments.size()), vecArgv.data());
    KFZ::endInput();
    return 0;
}
