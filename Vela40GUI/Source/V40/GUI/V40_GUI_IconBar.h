#pragma once
// The headline of the screen: one line of text on the bar colour, 640x64.
#include <QWidget>

class QLabel;

namespace V40 {
namespace GUI {

class IconBarC : public QWidget
{
    Q_OBJECT

public:
    IconBarC(const QString& strText, int iFontSize, QWidget* parent = nullptr);
    ~IconBarC() override;

    QString text() const;
    void setText(const QString& strText);

private:
    int m_iFontSize;
    QLabel* m_pLabel;
};

} // namespace GUI
} // namespace V40
