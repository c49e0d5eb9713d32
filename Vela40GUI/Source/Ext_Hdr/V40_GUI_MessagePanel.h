#pragma once
// A modal message on the content page, answered with a function key (or Escape) or ended by a
// time-out.
#include "V40_GUI_ContentBarBaseWidget.h"

#include <QMap>
#include <QPair>
#include <QSignalMapper>

class QLabel;

namespace V40 {
namespace APP {
class WaitLoopC;
}
} // namespace V40

namespace V40 {
namespace GUI {

class MessagePanelC : public ContentBarBaseWidgetC
{
    Q_OBJECT

public:
    // Button sets: which function keys answer, with which result and label.
    enum ButtonSetE
    {
        BUTTONS_NONE = 0,
        BUTTONS_OK = 1,
        BUTTONS_OK_CANCEL = 2,
        BUTTONS_YES_NO = 5,
        BUTTONS_RETRY_CANCEL = 6
    };
    // Results of exec().
    enum ResultE
    {
        RESULT_NONE = 0,
        RESULT_OK = 1,
        RESULT_CANCEL = 2,
        RESULT_RETRY = 4,
        RESULT_YES = 6,
        RESULT_NO = 7
    };

    // iTimeoutSeconds > 0 ends the message after that time with iTimeoutResult.
    MessagePanelC(const QString& strTitle, const QString& strMessage, int iButtonSet, int iTimeoutSeconds,
                  int iTimeoutResult, QWidget* parent = nullptr);
    ~MessagePanelC() override;

    // Shows the message in the main window and waits for the answer; the title bar gets its
    // text back afterwards. A GUI stop ends the wait unanswered (RESULT_NONE). Without a main window and without a time-out nobody could answer:
    // the result is then RESULT_NONE at once.
    int exec();

    int buttonSet() const;
    QString title() const;
    QString message() const;
    // Key code -> (result, text token) of the answering function keys.
    QMap<int, QPair<int, int>> buttons() const;

    // Show a message titled "Information", "Warning" or "Error", wait for the answer and return
    // it.
    static int information(const QString& strMessage, int iButtonSet = BUTTONS_OK, int iTimeoutSeconds = 0,
                           int iTimeoutResult = RESULT_NONE);
    static int warning(const QString& strMessage, int iButtonSet = BUTTONS_OK, int iTimeoutSeconds = 0,
                       int iTimeoutResult = RESULT_NONE);
    static int error(const QString& strMessage, int iButtonSet = BUTTONS_OK, int iTimeoutSeconds = 0,
                     int iTimeoutResult = RESULT_NONE);

public slots:
    void onSelection(int iResult);
    void OnTimeout();

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    // Breaks the message into lines that fit the page, in a smaller font only where needed.
    void fitMessage();
    static int showMessage(int iTitleToken, const QString& strMessage, int iButtonSet, int iTimeoutSeconds,
                    int iTimeoutResult);
    void setUpButtons();
    // Stores the answer; any answer but RESULT_NONE ends the wait.
    void answer(int iResult);

    int m_iButtonSet;
    int m_iResult;
    QMap<int, QPair<int, int>> m_mapButtons;
    QSignalMapper m_oSignalMapper;
    int m_iTimeoutSeconds;
    int m_iTimeoutResult;
    QString m_strTitle;
    QString m_strMessage;
    // The key that Escape stands for (0: none).
    int m_iEscapeKey;
    bool m_bShortcutsCreated;
    QLabel* m_pMessageLabel;
    V40::APP::WaitLoopC* m_pWaitLoop;
};

} // namespace GUI
} // namespace V40
