#pragma once
// A label for plain one-line texts (captions, values, hints) that draws its text laid out once:
// a label lays its text out and shapes it again at every paint, and a screen paints dozens.
// It draws as a label does; texts it cannot draw so (several lines, markup, images, a frame)
// it leaves to the label.
#include <QLabel>

namespace V40 {
namespace GUI {

class PlainLabelC : public QLabel
{
    Q_OBJECT

public:
    explicit PlainLabelC(QWidget* parent = nullptr);
    explicit PlainLabelC(const QString& strText, QWidget* parent = nullptr);
    ~PlainLabelC() override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};

} // namespace GUI
} // namespace V40
