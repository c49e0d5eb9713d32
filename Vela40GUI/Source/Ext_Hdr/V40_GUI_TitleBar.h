#pragma once
// The title line under the headline, 640x40 on the title colour, with the exit button on the right.
#include <QWidget>

class QLabel;

namespace V40 {
namespace GUI {

class ExitButtonC;

class TitleBarC : public QWidget
{
    Q_OBJECT

public:
    explicit TitleBarC(const QString& strTitle, QWidget* parent = nullptr);
    ~TitleBarC() override;

    QString title() const;
    void setTitle(const QString& strTitle);
    // Draws a title off the screen before it is shown, so that showing it only copies it.
    void prepareTitle(const QString& strTitle) const;
    ExitButtonC* exitButton() const;

private:
    QLabel* m_pLabel = nullptr;
    ExitButtonC* m_pExitButton;
};

} // namespace GUI
} // namespace V40
