#include "KTX/LNG/KTX_LNG_LanguageManager.h"

#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_Trace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace KTX {
namespace LNG {

const char* const g_szLanguageFilePattern = "KestraToolkit_??_??";

LanguageManagerC* LanguageManagerC::s_poInstance = nullptr;

namespace {

const char* const s_szSource = "KTX_LNG_LanguageManager";
const char* const s_szExecLoad = "KTX::LNG::LanguageManagerC::execLoadLanguageFile";

BSS::TraceChannelC s_oTrace("LanguageManager");

QByteArray local8Bit(const QString& strText)
{
    return QFile::encodeName(strText);
}

// The same file under two names (a relative name made canonical, an absolute one as given)
// must not count as another file: the "old" one would be deleted.
bool isSameFile(const QString& strFirst, const QString& strSecond)
{
    const QString strCanonical = QFileInfo(strFirst).canonicalFilePath();
    return strFirst == strSecond
           || (!strCanonical.isEmpty() && strCanonical == QFileInfo(strSecond).canonicalFilePath());
}

} // namespace

LanguageManagerC::LanguageManagerC(const QString& strLanguageDir)
    : QObject(nullptr)
    , m_strLanguageDir(strLanguageDir)
    , m_bResult(false)
    , m_bFilledTextTokens(false)
{
    if (s_poInstance)
        BSS_ASSERT_REPORT("0 == s_poInstance", s_szSource, __LINE__);
    else
        s_poInstance = this;
}

LanguageManagerC::~LanguageManagerC()
{
    releaseTextTokens();
    if (s_poInstance == this)
        s_poInstance = nullptr;
}

LanguageManagerC* LanguageManagerC::Instance()
{
    if (!s_poInstance)
        BSS_ASSERT_REPORT("0 != s_poInstance", s_szSource, __LINE__);
    return s_poInstance;
}

bool LanguageManagerC::initComponent(int)
{
    m_bFilledTextTokens = V40::LNG::textTokens().isEmpty();
    V40::LNG::initTextTokens();
    return true;
}

bool LanguageManagerC::startComponent(int iArg)
{
    const bool bStarted = SysComponentC::startComponent(iArg);
    if (m_strLanguageDir.isEmpty()) {
        BSS_ASSERT_REPORT("!m_strLanguageDir.isEmpty()", s_szSource, 72);
        // An empty directory would make QDir search the working directory.
        return bStarted;
    }
    const QStringList lstEntryList =
        QDir(m_strLanguageDir)
            .entryList(QStringList(QStringLiteral("%1.qm").arg(QLatin1String(g_szLanguageFilePattern))),
                       QDir::NoFilter, QDir::NoSort);
    if (!lstEntryList.isEmpty() && !loadLanguageFile(lstEntryList.first()))
        BSS_ASSERT_REPORT("loadLanguageFile( lstEntryList.first() )", s_szSource, 80);
    return bStarted;
}

bool LanguageManagerC::deinitComponent(int iArg)
{
    releaseTextTokens();
    return SysComponentC::deinitComponent(iArg);
}

bool LanguageManagerC::loadLanguageFile(const QString& strPath)
{
    if (QThread::currentThread() == thread()) {
        execLoadLanguageFile(strPath);
        return m_bResult;
    }
    // A direct call leaves the event set; this wait is for the call queued now.
    m_oLoadDoneEvent.reset();
    if (!QMetaObject::invokeMethod(this, "execLoadLanguageFile", Qt::QueuedConnection,
                                   Q_ARG(QString, strPath))) {
        s_oTrace.write("%s: invoking execLoadLanguage failed.\n",
                       "KTX::LNG::LanguageManagerC::loadLanguageFile");
        return false;
    }
    m_oLoadDoneEvent.wait();
    return m_bResult;
}

void LanguageManagerC::execLoadLanguageFile(const QString& strLanguageFile)
{
    m_bResult = installLanguageFile(strLanguageFile);
    m_oLoadDoneEvent.set();
}

bool LanguageManagerC::installLanguageFile(const QString& strLanguageFile)
{
    QString strPath = strLanguageFile;
    if (!QDir::isAbsolutePath(strPath))
        strPath = QFileInfo(QDir(m_strLanguageDir).absoluteFilePath(strPath)).canonicalFilePath();
    if (strPath.isEmpty()) {
        s_oTrace.write("%s: new language file '%s' is empty, no action.\n", s_szExecLoad,
                       local8Bit(strLanguageFile).constData());
        return false;
    }
    if (!m_strCurrentLanguageFile.isEmpty()) {
        s_oTrace.write("%s: removing current translator '%s'\n", s_szExecLoad,
                       local8Bit(m_strCurrentLanguageFile).constData());
        QCoreApplication::removeTranslator(&m_oTranslator);
    }
    // The translator adds ".qm" to the file name up to its first '.'; a '.' in a folder name is
    // no extension.
    const QFileInfo oFile(strPath);
    const QString strBase = oFile.path() + QLatin1Char('/') + oFile.fileName().section(QLatin1Char('.'), 0, 0);
    if (!m_oTranslator.load(strBase, m_strLanguageDir)) {
        s_oTrace.write("%s: loading file '%s' failed!\n", s_szExecLoad, local8Bit(strPath).constData());
        return false;
    }
    if (!QCoreApplication::installTranslator(&m_oTranslator)) {
        s_oTrace.write("%s: installing language '%s' failed!\n", s_szExecLoad,
                       local8Bit(strPath).constData());
        return false;
    }
    s_oTrace.write("%s: installing language '%s' succeeded!\n", s_szExecLoad,
                   local8Bit(strPath).constData());

    // An upload's loader deletes the other files before it installs the new one: an old file that
    // is gone already is deleted, not a failure.
    bool bResult = true;
    if (!m_strCurrentLanguageFile.isEmpty() && !isSameFile(m_strCurrentLanguageFile, strPath)
        && !BSS::HAL::deleteFile(local8Bit(m_strCurrentLanguageFile).toStdString())
        && QFileInfo::exists(m_strCurrentLanguageFile)) {
        s_oTrace.write("%s: deleting old language file '%s' failed!\n", s_szExecLoad,
                       local8Bit(m_strCurrentLanguageFile).constData());
        bResult = false;
    }
    m_strCurrentLanguageFile = strPath;
    return bResult;
}

void LanguageManagerC::releaseTextTokens()
{
    if (m_bFilledTextTokens)
        V40::LNG::clearTextTokens();
    m_bFilledTextTokens = false;
}

} // namespace LNG
} // namespace KTX
