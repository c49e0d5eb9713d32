#pragma once
// The instrument's keypad: each button presses its key in the toolkit's window, in whichever
// process of this simulator root shows it, as KestraSimCtl key does.
#include <QWidget>

class QAbstractButton;

namespace KPN {

class KeypadC : public QWidget
{
    Q_OBJECT

public:
    explicit KeypadC(QWidget* pParent = nullptr);

    // The button of a Qt key code, or of the level key (LEVEL_KEY); null for none.
    QAbstractButton* button(int iKey) const;

    static constexpr int LEVEL_KEY = -1;

signals:
    // The key could not be pressed (no toolkit window): the text says so.
    void failed(const QString& strMessage);

private:
    QAbstractButton* addKey(int iKey, const QString& strLabel, const QString& strTip = QString());
    void press(int iKey, const QString& strLabel);
};

} // namespace KPN
