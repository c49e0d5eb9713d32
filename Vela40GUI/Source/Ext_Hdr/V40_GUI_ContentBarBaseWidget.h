#pragma once
// A content page of the main window: white, 640 wide, 328 to 376 high. The shortcuts below a page
// act only while the page is shown.
#include <QWidget>

namespace V40 {
namespace GUI {

class ContentBarBaseWidgetC : public QWidget
{
    Q_OBJECT

public:
    explicit ContentBarBaseWidgetC(QWidget* parent = nullptr);
    ~ContentBarBaseWidgetC() override;

    void setVisible(bool bVisible) override;

protected:
    // Paints the page's background; a page that paints more calls it first.
    void paintEvent(QPaintEvent* pEvent) override;
};

} // namespace GUI
} // namespace V40
