#pragma once
// Keyboard and focus behaviour of fields and menu items: keys become signals, and the widget
// remembers that it held the focus on its page, so it gets the focus back when the page returns.
#include <QWidget>

namespace V40 {
namespace GUI {

class CustomFocusHandlingWidgetC : public QWidget
{
    Q_OBJECT

public:
    explicit CustomFocusHandlingWidgetC(QWidget* parent = nullptr);
    ~CustomFocusHandlingWidgetC() override;

    // True while this widget is the one of its page that had the focus last.
    bool hasFocusFlag() const;

    // Hiding gives up the focus; showing takes it back when the flag is set.
    void setVisible(bool bVisible) override;

    // How the traces name a widget: class, object name in quotes and address, or "NULL".
    static QString describe(const QObject* pObject);

signals:
    void clicked();
    void arrowUp();
    void arrowDown();
    void arrowLeft();
    void arrowRight();

public slots:
    virtual void setHasFocus();
    virtual void onFocusChanged(QWidget* pOld, QWidget* pNew);
    // Move the focus along the focus chain of the window, as the Tab keys do.
    virtual void simulateTab();
    virtual void simulateBackTab();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    // A page shown again shows its fields without setVisible(); the flagged one takes the focus.
    void showEvent(QShowEvent* pEvent) override;

private:
    void sendKeyToWindow(int iKey);

    bool m_bHasFocus;
};

} // namespace GUI
} // namespace V40
