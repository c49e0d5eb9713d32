#pragma once
// Runs the real KestraToolkit program (or another built program) with a given simulator root
// and collects its trace, which KESTRA_TRACE=stderr mirrors to stderr.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace KestraTest {

class ProgramC
{
public:
    explicit ProgramC(const QString& strSimRoot, const QString& strProgram = QString());
    ~ProgramC();

    void setEnvironment(const QString& strName, const QString& strValue);
    bool start(const QStringList& lstArguments = QStringList());
    // Waits until a trace line contains the text (as often as asked).
    bool waitForText(const QString& strText, int iTimeoutMs = 10000, int iTimes = 1);
    bool waitForFinished(int iTimeoutMs = 10000);
    void terminate();
    int exitCode() const;
    bool crashed() const;
    qint64 pid() const;
    QString output();
    int count(const QString& strText);

private:
    QProcess m_oProcess;
    QString m_strProgram;
    QString m_strOutput;
};

// Runs KestraSimCtl on the root (the test's own when empty): its exit code, -1 when it did not
// finish, and what it printed.
int runSimCtl(const QStringList& lstArguments, QString* pstrOutput = nullptr, const QString& strSimRoot = QString());

} // namespace KestraTest
