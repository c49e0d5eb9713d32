// A registry key's file as the desktop platform may hold it: the first byte picks the key (the
// start-up's, the shell folders', the Bluetooth PIN's), the rest is the whole file. Opening the
// key never stops the program, and a value written to it reads back.
#include "FuzzSupport.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"

#include <QSettings>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    if (uSize < 1)
        return 0;
    static const QString s_astrKeys[] = {
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestra\\Startup"),
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\BtSvcZeroConfig"),
    };
    const QString& rKey = s_astrKeys[pData[0] % 3];
    KFZ::putFile(BSS::REG::iniFileFor(rKey), KFZ::bytes(pData + 1, uSize - 1));
    {
        auto upSettings = BSS::REG::openNativeSettings(rKey);
        for (const QString& strKey : upSettings->allKeys())
            (void)upSettings->value(strKey).toString();
        upSettings->setValue(QStringLiteral("Fuzz/Written"), QStringLiteral("4711"));
        upSettings->sync();
        // A line QSettings cannot parse is kept as it stands and reported as a format error.
        KFZ::require(upSettings->status() == QSettings::NoError || upSettings->status() == QSettings::FormatError,
                     "registry key: write", QString::number(upSettings->status()));
    }
    KFZ::require(BSS::REG::openNativeSettings(rKey)->value(QStringLiteral("Fuzz/Written")).toString()
                     == QStringLiteral("4711"),
                 "registry key: value written reads back", rKey);
    KFZ::endInput();
    return 0;
}
