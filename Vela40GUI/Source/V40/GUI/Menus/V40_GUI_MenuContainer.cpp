#include "V40_GUI_MenuContainer.h"

#include "V40_GUI_AbstractMenuContainerPaintDelegate.h"
#include "V40_GUI_AbstractMenuItemWidget.h"
#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_TitleBar.h"

#include <QShortcut>

namespace V40 {
namespace GUI {

MenuContainerC::MenuContainerC(int iMenuType, int iTitleToken, int iCaptionToken, const QString& strIconPath,
                               QObject* parent)
    : AbstractMenuComponentC(iCaptionToken, strIconPath, parent)
    , m_oContainerProperties(iMenuType, iTitleToken)
    , m_oUiFactory(m_oContainerProperties)
    , m_pPresentation(nullptr)
    , m_bRebuild(false)
{
}

MenuContainerC::~MenuContainerC() = default;

MenuContainerC* MenuContainerC::addComponent(AbstractMenuComponentC* pComponent)
{
    if (!pComponent)
        return nullptr;
    pComponent->setParent(this);
    m_listComponents.append(pComponent);
    return qobject_cast<MenuContainerC*>(pComponent);
}

const MenuContainerPropertiesC& MenuContainerC::getContainerProperties() const
{
    return m_oContainerProperties;
}

QList<AbstractMenuComponentC*> MenuContainerC::components() const
{
    return m_listComponents;
}

AbstractMenuContainerPaintDelegateC* MenuContainerC::presentation() const
{
    return m_pPresentation;
}

void MenuContainerC::onSelected()
{
    if (m_bRebuild && m_pPresentation) {
        // Later, not now: this may run inside a slot of one of the page's own shortcuts.
        m_pPresentation->deleteLater();
        m_pPresentation = nullptr;
    }
    m_bRebuild = false;

    if (!m_pPresentation)
        buildPresentation();

    MainWindowC* pMainWindow = MainWindowC::instance();
    if (!pMainWindow)
        return;
    if (TitleBarC* pTitleBar = pMainWindow->titleBar())
        pTitleBar->setTitle(m_oContainerProperties.getTitle());
    if (m_pPresentation && m_pPresentation->contentWidget())
        pMainWindow->setContentBar(m_pPresentation->contentWidget());
    updateFunctionKeyBar();
}

void MenuContainerC::buildPresentation()
{
    m_pPresentation = m_oUiFactory.createPaintDelegate();
    if (!m_pPresentation)
        return;
    m_pPresentation->setParent(this);

    AbstractMenuItemWidgetC* pFirstItem = nullptr;
    for (AbstractMenuComponentC* pComponent : qAsConst(m_listComponents)) {
        AbstractMenuItemWidgetC* pItem = m_oUiFactory.createItemWidget(pComponent->getProperties());
        if (!pItem)
            continue;
        connect(pItem, SIGNAL(selected()), pComponent, SLOT(onSelected()));
        if (!pFirstItem)
            pFirstItem = pItem;
        m_pPresentation->addItem(pItem);
    }
    if (pFirstItem)
        pFirstItem->setHasFocus();

    QShortcut* pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), m_pPresentation->contentWidget(), nullptr,
                                       nullptr, Qt::WindowShortcut);
    connect(pEscape, SIGNAL(activated()), this, SLOT(onEscape()));
    connect(m_pPresentation, &AbstractMenuContainerPaintDelegateC::pageChanged, this, [this] {
        if (m_pPresentation && m_pPresentation->contentWidget() && m_pPresentation->contentWidget()->isVisible())
            updateFunctionKeyBar();
    });
}

void MenuContainerC::prepareSubmenus()
{
    for (AbstractMenuComponentC* pComponent : qAsConst(m_listComponents)) {
        if (MenuContainerC* pContainer = qobject_cast<MenuContainerC*>(pComponent)) {
            pContainer->preparePresentation();
            pContainer->prepareSubmenus();
        }
    }
}

void MenuContainerC::preparePresentation()
{
    // A page marked for rebuilding is built when it is selected, with the texts of then.
    if (m_bRebuild || m_pPresentation)
        return;
    buildPresentation();
    MainWindowC* pMainWindow = MainWindowC::instance();
    if (pMainWindow && m_pPresentation && m_pPresentation->contentWidget()) {
        pMainWindow->preparePage(m_pPresentation->contentWidget(), !shownFunctionKeys().isEmpty());
        if (TitleBarC* pTitleBar = pMainWindow->titleBar())
            pTitleBar->prepareTitle(m_oContainerProperties.getTitle());
    }
}

QList<int> MenuContainerC::shownFunctionKeys() const
{
    // Only the entries on the part of the page in front answer their keys.
    QList<int> listKeys;
    if (m_pPresentation && m_pPresentation->contentWidget()) {
        const QWidget* pContent = m_pPresentation->contentWidget();
        const QList<AbstractMenuItemWidgetC*> listItems = m_pPresentation->itemWidgets();
        for (const AbstractMenuItemWidgetC* pItem : listItems) {
            if (!pItem->isVisibleTo(pContent))
                continue;
            const QList<int> listItemKeys = pItem->shortcutKeys();
            for (int iKey : listItemKeys) {
                if (iKey >= Qt::Key_F1 && iKey <= Qt::Key_F6 && !listKeys.contains(iKey))
                    listKeys.append(iKey);
            }
        }
    }
    return listKeys;
}

void MenuContainerC::updateFunctionKeyBar()
{
    MainWindowC* pMainWindow = MainWindowC::instance();
    FunctionKeyBarC* pBar = pMainWindow ? pMainWindow->functionKeyBar() : nullptr;
    if (!pBar)
        return;
    const QList<int> listKeys = shownFunctionKeys();
    pBar->setAllButtonsEnabled(false);
    for (int iKey : qAsConst(listKeys))
        pBar->setButton(iKey, 0);
    pBar->setVisible(!listKeys.isEmpty());
}

void MenuContainerC::onLanguageChanged()
{
    m_bRebuild = true;
    for (AbstractMenuComponentC* pComponent : qAsConst(m_listComponents))
        pComponent->onLanguageChanged();
}

MenuContainerC* MenuContainerC::shownContainer()
{
    if (m_pPresentation && m_pPresentation->contentWidget() && m_pPresentation->contentWidget()->isVisible())
        return this;
    for (AbstractMenuComponentC* pComponent : qAsConst(m_listComponents)) {
        if (MenuContainerC* pContainer = qobject_cast<MenuContainerC*>(pComponent)) {
            if (MenuContainerC* pShown = pContainer->shownContainer())
                return pShown;
        }
    }
    return nullptr;
}

void MenuContainerC::retranslate()
{
    MenuContainerC* pShown = shownContainer();
    onLanguageChanged();
    if (pShown)
        pShown->onSelected();
}

} // namespace GUI
} // namespace V40
