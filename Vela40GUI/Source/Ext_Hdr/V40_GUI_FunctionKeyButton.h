#pragma once
// One of the six function-key buttons F1 to F6. A click is a key press of its key to the main
// window. A disabled button shows an empty face; its label is kept for when it is enabled again.
#include <QPushButton>

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

public slots:
    void onClicked();

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    int m_iKey;
};

} // namespace GUI
} // namespace V40
