#pragma once
// A push button that shows one image and is exactly as large as the image. An image that cannot
// be loaded gives a 0x0 button without icon.
#include <QPushButton>

namespace V40 {
namespace GUI {

class PushButtonBaseC : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButtonBaseC(const QString& strImagePath, QWidget* parent = nullptr);
    ~PushButtonBaseC() override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};

} // namespace GUI
} // namespace V40
