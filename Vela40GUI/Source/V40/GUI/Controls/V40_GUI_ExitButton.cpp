#include "V40_GUI_ExitButton.h"

#include "V40_GUI_MainWindow.h"

namespace V40 {
namespace GUI {

ExitButtonC::ExitButtonC(QWidget* parent)
    : PushButtonBaseC(QStringLiteral(":/Images/Icon_TitleBar_Exit.bmp"), parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

ExitButtonC::~ExitButtonC() = default;

void ExitButtonC::onClicked()
{
    if (MainWindowC* pMainWindow = MainWindowC::instance())
        pMainWindow->simulateKeyPress(Qt::Key_Escape);
}

} // namespace GUI
} // namespace V40
