#pragma once
#include <QObject>
#include <QPointer>

namespace KTX {

// Lives in the main thread; queued connections to its slots run the main controller's
// operations there.
class ThreadSwitchHelperC : public QObject
{
    Q_OBJECT

public:
    ThreadSwitchHelperC();
    ~ThreadSwitchHelperC() override;

    static ThreadSwitchHelperC* instance();

    // The controller offers the slots startGui, stopGui, requestQuit, quit and onLanguageChanged.
    void setMainController(QObject* pMainController);
    void clearMainController();

public slots:
    void startGui();
    void stopGui();
    void requestQuit();
    void quit();
    void onLanguageChanged();

private:
    void forward(const char* strOperation, int iLine);

    QPointer<QObject> m_pMainController;

    static ThreadSwitchHelperC* s_pInstance;
};

} // namespace KTX
