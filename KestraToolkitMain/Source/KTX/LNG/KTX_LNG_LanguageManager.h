#pragma once
// Installs the GUI's translation file: at GUI start the one found in the language directory, at
// run time the one a caller names (the language loader after an upload).
#include "Ferrolib/BSS_SYS_Event.h"
#include "Ferrolib/BSS_TSK_Component.h"

#include <QObject>
#include <QString>
#include <QTranslator>

#include <atomic>

namespace KTX {
namespace LNG {

// Base name of the translation files, "%1.qm"; each '?' stands for one character
// ("KestraToolkit_de_DE").
extern const char* const g_szLanguageFilePattern;

class LanguageManagerC : public QObject, public BSS::TSK::SysComponentC
{
    Q_OBJECT

public:
    explicit LanguageManagerC(const QString& strLanguageDir);
    ~LanguageManagerC() override;

    static LanguageManagerC* Instance();
    // Set by the constructor; the main controller sets and clears it around the manager's life.
    static LanguageManagerC* s_poInstance;

    // Fills the text token table; the next GUI start needs it empty again, so de-initialisation
    // (or destruction) empties it when this manager filled it.
    bool initComponent(int iArg) override;
    bool startComponent(int iArg) override;
    bool deinitComponent(int iArg) override;

    // Any thread; blocks until the manager's thread has installed the file.
    bool loadLanguageFile(const QString& strPath);

public slots:
    void execLoadLanguageFile(const QString& strLanguageFile);

private:
    bool installLanguageFile(const QString& strLanguageFile);
    void releaseTextTokens();

    QString m_strLanguageDir;
    QString m_strCurrentLanguageFile;
    QTranslator m_oTranslator;
    // Written on the manager's thread before the event is set, read by the waiting caller.
    std::atomic<bool> m_bResult;
    BSS::SYS::EventC m_oLoadDoneEvent;
    bool m_bFilledTextTokens;
};

} // namespace LNG
} // namespace KTX
