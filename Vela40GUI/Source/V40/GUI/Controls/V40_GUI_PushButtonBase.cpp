#include "V40_GUI_PushButtonBase.h"

#include "V40_GUI_UTI_Resources.h"

namespace V40 {
namespace GUI {

PushButtonBaseC::PushButtonBaseC(const QString& strImagePath, QWidget* parent)
    : QPushButton(parent)
{
    const QPixmap oPixmap = UTI::resourcePixmap(strImagePath);
    setFixedSize(oPixmap.size());
    if (!oPixmap.isNull()) {
        setIcon(QIcon(oPixmap));
        setIconSize(oPixmap.size());
    }
    // The image is the whole face; the keyboard, not the focus, drives the screen.
    setStyleSheet(QStringLiteral("QPushButton {border: none; padding: 0px; margin: 0px;}"));
    setFocusPolicy(Qt::NoFocus);
}

PushButtonBaseC::~PushButtonBaseC() = default;

} // namespace GUI
} // namespace V40
