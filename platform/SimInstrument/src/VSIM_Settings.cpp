#include "SimInstrument/VSIM_Settings.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_TraceLog.h"
#include "VSIM_SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <mutex>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace VSIM {

namespace {

void trace(const QString& strText)
{
    traceLine(QStringLiteral("Simulator"), strText);
}

// A damaged stored value is traced once, not at every read.
void traceDamagedOnce(const SettingS& rSetting, const QString& strStored)
{
    static std::mutex s_oMutex;
    static QSet<QString> s_setReported;
    const QString strEntry = rSetting.strKey + '=' + strStored;
    {
        std::unique_lock<std::mutex> oLock(s_oMutex);
        if (s_setReported.contains(strEntry))
            return;
        s_setReported.insert(strEntry);
    }
    trace(QStringLiteral("%1: the stored '%2' is no value of it; it reads as the default %3.")
              .arg(rSetting.strKey, strStored, rSetting.strDefault));
}

// Holds an exclusive lock for every process of this root while it lives.
class EditLockC
{
public:
    EditLockC()
    {
        const QString strFile = simulatorSettingsFile() + ".edit";
        ensureDir(QFileInfo(strFile).absolutePath());
        m_iFd = ::open(QFile::encodeName(strFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_iFd >= 0 && ::flock(m_iFd, LOCK_EX) != 0) {
            ::close(m_iFd);
            m_iFd = -1;
        }
    }
    ~EditLockC()
    {
        if (m_iFd >= 0)
            ::close(m_iFd);
    }
    EditLockC(const EditLockC&) = delete;
    EditLockC& operator=(const EditLockC&) = delete;
    bool isHeld() const { return m_iFd >= 0; }

private:
    int m_iFd = -1;
};

bool fail(QString* pstrError, const QString& strError)
{
    if (pstrError)
        *pstrError = strError;
    return false;
}

// The stored text of a value the setting takes, or the reason why it is refused.
bool checkedText(const QString& strKey, const QVariant& varValue, WriterE eWriter, const SettingS*& rpSetting,
                 QString& rstrText, QString& rstrError)
{
    rpSetting = findSetting(strKey);
    if (!rpSetting) {
        rstrError = QStringLiteral("There is no simulator setting %1.").arg(strKey);
        return false;
    }
    if (rpSetting->eWriter == WRITER_INSTRUMENT && eWriter != WRITER_INSTRUMENT) {
        rstrError = QStringLiteral("%1 is set by the instrument itself, not by the user.").arg(rpSetting->strKey);
        return false;
    }
    const QString strText = storedText(varValue);
    rstrError = checkSetting(*rpSetting, strText);
    if (!rstrError.isEmpty())
        return false;
    QVariant varParsed;
    parseSetting(*rpSetting, strText, varParsed);
    rstrText = settingText(*rpSetting, varParsed);
    return true;
}

bool writeAll(const EditLockC& rLock, const QList<QPair<const SettingS*, QString>>& lstChecked, QString* pstrError)
{
    if (!rLock.isHeld())
        return fail(pstrError, QStringLiteral("The simulator settings cannot be locked for writing."));
    QMap<QString, QString> mapChanges;
    for (const auto& rEntry : lstChecked)
        mapChanges.insert(rEntry.first->strKey, rEntry.second);
    const StoredValuesS oStored = storedValues();
    const bool bReadable = oStored.bReadable;
    if (!bReadable || !writeSimulatorSettings(oStored.hashTexts, mapChanges))
        return fail(pstrError, QStringLiteral("The simulator settings cannot be written to %1%2.")
                                   .arg(simulatorSettingsFile(), bReadable ? QString() : QStringLiteral(": it is damaged")));
    return true;
}

} // namespace

QVariant SettingsC::value(const QString& strKey)
{
    const SettingS* pSetting = findSetting(strKey);
    if (!pSetting) {
        trace(QStringLiteral("There is no simulator setting %1.").arg(strKey));
        return QVariant();
    }
    const StoredValuesS oStored = storedValues();
    const auto itStored = oStored.hashTexts.constFind(pSetting->strKey);
    QVariant varValue;
    if (itStored != oStored.hashTexts.cend()) {
        if (parseSetting(*pSetting, itStored.value(), varValue))
            return varValue;
        traceDamagedOnce(*pSetting, itStored.value());
    }
    parseSetting(*pSetting, pSetting->strDefault, varValue);
    return varValue;
}

bool SettingsC::boolValue(const QString& strKey)
{
    return value(strKey).toBool();
}

int SettingsC::intValue(const QString& strKey)
{
    return value(strKey).toInt();
}

double SettingsC::doubleValue(const QString& strKey)
{
    return value(strKey).toDouble();
}

QString SettingsC::textValue(const QString& strKey)
{
    const QVariant varValue = value(strKey);
    const SettingS* pSetting = findSetting(strKey);
    return pSetting && varValue.isValid() ? settingText(*pSetting, varValue) : QString();
}

bool SettingsC::setValue(const QString& strKey, const QVariant& varValue, WriterE eWriter, QString* pstrError)
{
    return setValues({{strKey, varValue}}, eWriter, pstrError);
}

bool SettingsC::setValues(const QList<QPair<QString, QVariant>>& lstValues, WriterE eWriter, QString* pstrError)
{
    QList<QPair<const SettingS*, QString>> lstChecked;
    for (const auto& rEntry : lstValues) {
        const SettingS* pSetting = nullptr;
        QString strText;
        QString strError;
        if (!checkedText(rEntry.first, rEntry.second, eWriter, pSetting, strText, strError))
            return fail(pstrError, strError);
        lstChecked.append({pSetting, strText});
    }
    const EditLockC oLock;
    return writeAll(oLock, lstChecked, pstrError);
}

bool SettingsC::editValue(const QString& strKey, const std::function<QString(const QString&)>& fnEdit,
                          WriterE eWriter, QString* pstrError)
{
    const EditLockC oLock;
    if (!oLock.isHeld())
        return fail(pstrError, QStringLiteral("The simulator settings cannot be locked for %1.").arg(strKey));
    const SettingS* pSetting = nullptr;
    QString strText;
    QString strError;
    const QString strCurrent = textValue(strKey);
    if (!checkedText(strKey, fnEdit(strCurrent), eWriter, pSetting, strText, strError))
        return fail(pstrError, strError);
    if (strText == strCurrent)
        return true;
    return writeAll(oLock, {{pSetting, strText}}, pstrError);
}

} // namespace VSIM
