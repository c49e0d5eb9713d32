#include "V40_GUI_TextMenuContainerPaintDelegate.h"

#include "V40_GUI_AbstractMenuItemWidget.h"
#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_TabPanel.h"

#include "Ferrolib/BSS_Assert.h"

#include <QShortcut>
#include <QVBoxLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_TextMenuContainerPaintDelegate", __LINE__)

namespace V40 {
namespace GUI {

namespace {
constexpr int s_iPageMargin = 10;
constexpr int s_iPageSpacing = 5;
} // namespace

TextMenuContainerPaintDelegateC::TextMenuContainerPaintDelegateC(const MenuContainerPropertiesC& rProperties,
                                                                 QObject* parent)
    : AbstractMenuContainerPaintDelegateC(rProperties, parent)
    , m_pLayout(new QVBoxLayout(contentWidget()))
    , m_iPage(0)
    , m_iPosition(0)
    , m_iCount(0)
{
}

TextMenuContainerPaintDelegateC::~TextMenuContainerPaintDelegateC() = default;

TabPanelC* TextMenuContainerPaintDelegateC::tabPanel() const
{
    return m_pTabPanel;
}

QWidget* TextMenuContainerPaintDelegateC::page(int iPage)
{
    if (!m_pTabPanel) {
        m_pTabPanel = new TabPanelC(contentWidget());
        m_pLayout->setContentsMargins(0, 0, 0, 0);
        m_pLayout->setSpacing(0);
        m_pLayout->addWidget(m_pTabPanel);
        connect(m_pTabPanel, SIGNAL(currentTabChanged(int)), this, SIGNAL(pageChanged()));
        // The lines take no focus, so left and right are free to turn the pages; without them the
        // lines of the later pages could not be reached by key.
        QShortcut* pPrevious = new QShortcut(QKeySequence(Qt::Key_Left), contentWidget(), nullptr, nullptr,
                                             Qt::WindowShortcut);
        connect(pPrevious, SIGNAL(activated()), m_pTabPanel, SLOT(onPreviousTab()));
        QShortcut* pNext = new QShortcut(QKeySequence(Qt::Key_Right), contentWidget(), nullptr, nullptr,
                                         Qt::WindowShortcut);
        connect(pNext, SIGNAL(activated()), m_pTabPanel, SLOT(onNextTab()));
    }
    while (m_pTabPanel->count() <= iPage) {
        const int iCountBefore = m_pTabPanel->count();
        QWidget* pPage = new QWidget();
        QVBoxLayout* pPageLayout = new QVBoxLayout(pPage);
        pPageLayout->setSpacing(s_iPageSpacing);
        pPageLayout->setContentsMargins(s_iPageMargin, s_iPageMargin, s_iPageMargin, s_iPageMargin);
        pPageLayout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_pTabPanel->addTab(pPage);
        if (m_pTabPanel->count() == iCountBefore) {
            // The tab panel is full (it has reported it).
            delete pPage;
            return nullptr;
        }
    }
    return m_pTabPanel->widget(iPage);
}

void TextMenuContainerPaintDelegateC::addItem(AbstractMenuItemWidgetC* pItem)
{
    if (!pItem)
        return;
    if (m_iPosition >= LINES_PER_PAGE) {
        m_iPage += 1;
        m_iPosition = 0;
    }
    QWidget* pPage = page(m_iPage);
    if (!pPage || !pPage->layout()) {
        V40_GUI_REPORT("Cannot add further element.");
        pItem->deleteLater();
        return;
    }
    pItem->setLocalIndex(m_iPosition + 1);
    pItem->setGlobalIndex(m_iCount + 1);
    pPage->layout()->addWidget(pItem);
    rememberItem(pItem);
    m_iPosition += 1;
    m_iCount += 1;
}

} // namespace GUI
} // namespace V40
