#include "V40_GUI_PushButtonBase.h"

#include "V40_GUI_UTI_Resources.h"

#include <QPainter>

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
    // The keyboard, not the focus, drives the screen.
    setFocusPolicy(Qt::NoFocus);
}

PushButtonBaseC::~PushButtonBaseC() = default;

// The image is the whole face, without frame or padding. Drawn here rather than by a style
// sheet, which would give every button a style of its own to build.
void PushButtonBaseC::paintEvent(QPaintEvent*)
{
    QPainter oPainter(this);
    icon().paint(&oPainter, rect(), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

} // namespace GUI
} // namespace V40
