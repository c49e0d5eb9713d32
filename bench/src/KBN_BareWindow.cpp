// The baseline: a bare Qt Widgets window of the instrument's size with one label; a key changes
// the label, so that a key has a screen to paint.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSocketNotifier>

#include <csignal>
#include <unistd.h>

namespace {

int s_aiTermPipe[2];

void onTerm(int)
{
    const char c = 1;
    (void)!write(s_aiTermPipe[1], &c, 1);
}

class BareWindowC : public QLabel
{
public:
    BareWindowC()
    {
        setWindowTitle(QStringLiteral("KestraBareWindow"));
        setAlignment(Qt::AlignCenter);
        setText(QStringLiteral("Bare window"));
        setFixedSize(640, 480);
    }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override
    {
        setText(QStringLiteral("Key %1 (%2)").arg(pEvent->key()).arg(++m_iKeys));
    }

private:
    int m_iKeys = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication oApp(argc, argv);
    // SIGTERM ends the loop, as it ends the toolkit's, so that both stop the same way.
    if (pipe(s_aiTermPipe) != 0)
        return 1;
    std::signal(SIGTERM, onTerm);
    QSocketNotifier oTerm(s_aiTermPipe[0], QSocketNotifier::Read);
    QObject::connect(&oTerm, &QSocketNotifier::activated, &oApp, &QCoreApplication::quit);
    BareWindowC oWindow;
    oWindow.show();
    // Without a window manager nothing else gives it the keyboard, as the toolkit takes it.
    oWindow.activateWindow();
    return oApp.exec();
}
