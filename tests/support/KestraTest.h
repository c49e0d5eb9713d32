#pragma once
// Shared test support: a private simulator root per test process and helpers to wait for
// traces and assertion reports of the platform stand-in.
#include <QString>
#include <QStringList>
#include <QtTest>

#include <functional>
#include <memory>

// 1 in a build with the address sanitizer (gcc names it, clang answers __has_feature).
#if defined(__SANITIZE_ADDRESS__)
#define KESTRA_TEST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRA_TEST_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef KESTRA_TEST_ADDRESS_SANITIZER
#define KESTRA_TEST_ADDRESS_SANITIZER 0
#endif

namespace KestraTest {

// Creates a fresh temporary KESTRA_SIM_ROOT for this process (kept until exit).
QString prepareSimRoot();
QString simRoot();
QString simDataDir();
// Directory of the built program and libraries.
QString binDir();

// Waits (processing events) until the predicate holds; false on time-out. The default is
// generous: a wait that is met returns at once, and on a loaded machine (the sanitizers, a disk
// writing back another test's files) the first start on a new root has taken over 5 s.
bool waitFor(const std::function<bool()>& fnReady, int iTimeoutMs = 20000);

QStringList traces(const QString& strChannel);

// Writes a setting of the simulated instrument, also one only the instrument writes; a refusal
// is printed with its reason.
bool setSimulatorSetting(const QString& strKey, const QVariant& varValue);

// Collects the Qt debug lines (the GUI framework's trace) while it lives; with the switch, it also
// turns the framework's trace switch on for that time. The platform log still gets every line.
class DebugCaptureC
{
public:
    explicit DebugCaptureC(bool bSwitchTraceOn = false);
    ~DebugCaptureC();
    DebugCaptureC(const DebugCaptureC&) = delete;
    DebugCaptureC& operator=(const DebugCaptureC&) = delete;
    QStringList lines() const;

private:
    static void handler(QtMsgType eType, const QMessageLogContext& rContext, const QString& strMessage);

    bool m_bSwitchedTraceOn;
    QtMessageHandler m_fnPrevious;
};
QStringList assertTexts();
void clearReports();

// Notes the paths of the files and folders that the platform flushes to the device while it
// lives; those that fnFails picks fail with EIO. The flush is restored however the test ends.
class SyncRecorderC
{
public:
    explicit SyncRecorderC(std::function<bool(const QString&)> fnFails = {});
    ~SyncRecorderC();
    SyncRecorderC(const SyncRecorderC&) = delete;
    SyncRecorderC& operator=(const SyncRecorderC&) = delete;
    QStringList paths() const;

private:
    struct StateS;
    std::shared_ptr<StateS> m_spState;
};

} // namespace KestraTest

// A QtTest main that first gives the process its own simulator root and offscreen Qt.
#define KESTRA_TEST_MAIN(TestObject)                                                         \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        KestraTest::prepareSimRoot();                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                             \
        QApplication oApp(argc, argv);                                                       \
        TestObject oTest;                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                           \
        return QTest::qExec(&oTest, argc, argv);                                             \
    }

// For tests that must create the application object themselves.
#define KESTRA_TEST_MAIN_NOAPP(TestObject)                                                   \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        KestraTest::prepareSimRoot();                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                             \
        TestObject oTest;                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                           \
        return QTest::qExec(&oTest, argc, argv);                                             \
    }
