#pragma once
// The title bar's exit button: a click is an Escape key press to the main window.
#include "V40_GUI_PushButtonBase.h"

namespace V40 {
namespace GUI {

class ExitButtonC : public PushButtonBaseC
{
    Q_OBJECT

public:
    explicit ExitButtonC(QWidget* parent = nullptr);
    ~ExitButtonC() override;

public slots:
    void onClicked();
};

} // namespace GUI
} // namespace V40
