#pragma once
// The screen of a panel state: the content page with its panel, the shortcuts and the labels of
// the function keys, the title; shown in the main window while the state waits. The page is made
// once and lives as long as the state, so that a state that comes back shows what it showed; one
// built ahead by the warm-up is brought up to date before it is first shown.
// A panel state is its panel (createPanel()) and its slots, nothing more.
#include "V40_APP_ApplicationStateBase.h"
#include "V40_APP_NextRound.h"

#include <QList>
#include <QPointer>
#include <QShortcut>

namespace V40 {
namespace GUI {
class ContentBarBaseWidgetC;
}
} // namespace V40

namespace KTX {
namespace APP {

class PanelStateBaseC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit PanelStateBaseC(int iTitleToken, QObject* parent = nullptr);
    ~PanelStateBaseC() override;

    // Shows the page and waits. Without a model nothing is shown ("pModel"); without a main window
    // nobody could leave the state, so it leaves as Escape would.
    void execute() override;
    // Builds the page and paints it once, hidden in the main window, when canWarmUp().
    bool warmUp() override;

    // The panel, once the state was first executed.
    QWidget* getPanel() const;

protected:
    // The state's panel, made once, on the page it is shown on.
    virtual QWidget* createPanel(QWidget* pPage) = 0;
    // Whether createPanel() works outside a run, without the application's model. Default: no.
    virtual bool canWarmUp() const;
    // A panel built ahead is about to be shown for the first time: brings it up to what the
    // records and the instrument hold now, or returns false to have it built again. Default:
    // false.
    virtual bool refreshPanel();
    // The keys of the state. Default: Escape leaves with OnFail(), F6 ("OK") with OnSuccess().
    virtual void addShortcuts();
    // Every time before the page is shown: bind the panel's model, read instrument data.
    virtual void prepareShow();
    // Once the shown page has been painted, while the state still runs: work that need not hold
    // the screen back. Default: nothing.
    virtual void afterShow();
    // The widget that takes the focus as soon as the page is shown, so that keys typed ahead
    // find it. Default: none (value widgets take the focus themselves).
    virtual QWidget* focusOnShow() const;
    // The title bar text while the page is shown. Default: the title token's text.
    virtual QString titleText() const;
    // Shows the page, its function keys and its title in the main window (there must be one).
    void showPage();

    // A key that calls a slot of the state; a label token other than 0 labels its function key.
    template <class StateT>
    void addShortcut(int iKey, int iLabelToken, void (StateT::*pfnSlot)())
    {
        QObject::connect(newShortcut(iKey, iLabelToken), &QShortcut::activated, static_cast<StateT*>(this), pfnSlot);
    }

private:
    QShortcut* newShortcut(int iKey, int iLabelToken);
    void createPage();
    void deletePage();

    struct FunctionKeyS
    {
        int iKey;
        int iLabelToken;
    };

    const int m_iTitleToken;
    QPointer<V40::GUI::ContentBarBaseWidgetC> m_pPage;
    QPointer<QWidget> m_pPanel;
    QList<FunctionKeyS> m_lstFunctionKeys;
    bool m_bBuiltAhead = false;
    // After the page's paint.
    V40::APP::NextRoundC m_oAfterShow;
};

} // namespace APP
} // namespace KTX

