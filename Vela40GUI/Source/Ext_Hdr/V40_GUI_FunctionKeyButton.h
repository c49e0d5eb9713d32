#pragma once
// One of the six function-key buttons F1 to F6. A click is a key press of its key to the main
// window. A disabled button shows an empty face; its label is kept for when it is enabled again.
#include <QPushButton>

class QStyleOptionButton;

namespace V40 {
namespace GUI {

class FunctionKeyButtonC : public QPushButton
{
    Q_OBJECT

public:
    // An empty text gives the default label "F1" to "F6".
    FunctionKeyButtonC(int iKey, const QString& strText, QWidget* parent = nullptr);
    ~FunctionKeyButtonC() override;

    int key() const;
    // "F1" to "F6".
    QString defaultText() const;
    // Draws the face that the label (or, not enabled, the empty face) shows once, ahead of the
    // first screen that shows it; the button itself is left as it is.
    void prepareFace(const QString& strText, bool bEnabled);

public slots:
    void onClicked();

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    const QPixmap& face(const QStyleOptionButton& rOption);

    int m_iKey;
};

} // namespace GUI
} // namespace V40
