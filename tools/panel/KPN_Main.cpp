// The instrument panel: the instrument's keypad and the simulated instrument's controls beside
// the toolkit, on the simulator root of KESTRA_SIM_ROOT.
#include "KPN_PanelWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

namespace {

const char* const kHelp =
    "Usage: KestraInstrumentPanel [-geometry WxH+X+Y]\n"
    "The keypad of the simulated Vela40 and the controls of the simulated instrument (tilt,\n"
    "telescope, SD card, battery, instrument kind, adjustment errors, noise, injected measurement\n"
    "errors, devices). Every control writes the simulator settings as KestraSimCtl does and\n"
    "follows changes made elsewhere; the keys go to the running KestraToolkit's window.\n"
    "\n"
    "  -geometry G   where the window goes on X11 (scripts/start-simulator puts it beside the toolkit)\n"
    "  --help        this text\n"
    "\n"
    "Environment:\n"
    "  KESTRA_SIM_ROOT  the simulator root of the toolkit the panel drives\n";

} // namespace

int main(int iArgc, char** apArgv)
{
    for (int i = 1; i < iArgc; ++i) {
        if (qstrcmp(apArgv[i], "--help") == 0 || qstrcmp(apArgv[i], "-h") == 0) {
            QTextStream(stdout) << kHelp;
            return 0;
        }
    }
    QApplication oApplication(iArgc, apArgv);
    KPN::PanelWindowC oWindow;
    oWindow.show();
    return oApplication.exec();
}
