#pragma once
// The one main window of the 640x480 screen: icon bar, title bar, the content page and the
// function-key bar, one above the other. Frame buttons and closing the window become key presses,
// so that applications only ever handle keys.
#include <QList>
#include <QPointer>
#include <QWidget>

class QGridLayout;

namespace V40 {
namespace GUI {

class ContentBarBaseWidgetC;
class FunctionKeyBarC;
class IconBarC;
class TitleBarC;

class MainWindowC : public QWidget
{
    Q_OBJECT

public:
    // Creates and shows the main window unless one exists.
    static void create();
    // The main window; null (and a report) when there is none.
    static MainWindowC* instance();
    static void destroy();

    IconBarC* iconBar() const;
    TitleBarC* titleBar() const;
    FunctionKeyBarC* functionKeyBar() const;
    // The bar replaced is deleted.
    void setIconBar(IconBarC* pIconBar);
    void setTitleBar(TitleBarC* pTitleBar);
    void setFunctionKeyBar(FunctionKeyBarC* pFunctionKeyBar);

    // Shows the page in the content area. The page shown before is hidden and handed back to
    // its owner without a parent; it is not deleted.
    void setContentBar(QWidget* pContentBar);
    // Shows an empty page.
    void setEmptyContentBar();
    QWidget* contentBar() const;
    // Takes a page to be shown later: it waits as a hidden child, polished and laid out in the room
    // it will have (less with the function keys shown), so that showing it costs only its paint.
    // The window hands it back as it hands back the pages shown.
    void preparePage(QWidget* pPage, bool bWithFunctionKeys);

    // Sends a key press (no modifiers, no text) to the main window, as the keyboard would.
    void simulateKeyPress(int iKey);

signals:
    void languageChanged();
    // Once, after the window's first frame is on the screen: from then on nobody waits for the
    // start, and work done now is not in the way of a key.
    void firstFrameShown();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    enum RowE { ROW_ICON_BAR = 0, ROW_TITLE_BAR = 1, ROW_CONTENT = 2, ROW_FUNCTION_KEY_BAR = 3 };

    MainWindowC();
    ~MainWindowC() override;

    QWidget* widgetAt(int iRow) const;
    void replaceBar(int iRow, QWidget* pBar);
    void releaseContentBar();
    void keepHiddenPage(QWidget* pPage);
    void noteFirstFrame();

    QGridLayout* m_pLayout;
    QPointer<QWidget> m_pContentBar;
    // Empty pages are the window's own; pages of panels and menus belong to them.
    QPointer<ContentBarBaseWidgetC> m_pEmptyContentBar;
    // Pages shown before and hidden since, still the window's children until the window goes.
    QList<QPointer<QWidget>> m_lstHiddenPages;
    bool m_bFirstFrameShown = false;

    static MainWindowC* s_pInstance;
};

} // namespace GUI
} // namespace V40
