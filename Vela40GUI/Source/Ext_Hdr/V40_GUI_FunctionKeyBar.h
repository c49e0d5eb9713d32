#pragma once
// The bar of the six function-key buttons F1 to F6 at the bottom of the screen.
#include <QHash>
#include <QWidget>

namespace V40 {
namespace GUI {

class FunctionKeyButtonC;

class FunctionKeyBarC : public QWidget
{
    Q_OBJECT

public:
    explicit FunctionKeyBarC(QWidget* parent = nullptr);
    ~FunctionKeyBarC() override;

    // Labels the button of the key with the token's text (0: "F1" to "F6") and enables it.
    void setButton(int iKey, int iToken);
    void setButtonEnabled(int iKey, bool bEnabled);
    void setAllButtonsEnabled(bool bEnabled);
    // Null for a key without a button.
    FunctionKeyButtonC* button(int iKey) const;
    // Draws the face that setButton(iKey, iToken) shows once, ahead of the first screen that
    // shows it; the buttons are left as they are.
    void prepareFace(int iKey, int iToken);
    // The faces that menus show: each key's default label, and a disabled key.
    void prepareMenuFaces();

private:
    FunctionKeyButtonC* checkedButton(int iKey, int iLine) const;

    QHash<int, FunctionKeyButtonC*> m_hashButtons;
};

} // namespace GUI
} // namespace V40
