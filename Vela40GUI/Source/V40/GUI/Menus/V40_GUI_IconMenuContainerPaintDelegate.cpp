#include "V40_GUI_IconMenuContainerPaintDelegate.h"

#include "V40_GUI_AbstractMenuItemWidget.h"
#include "V40_GUI_ContentBarBaseWidget.h"

#include "Ferrolib/BSS_Assert.h"

#include <QGridLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_IconMenuContainerPaintDelegate", __LINE__)

namespace V40 {
namespace GUI {

namespace {
constexpr int s_iMargin = 10;
constexpr int s_iSpacing = 10;
} // namespace

IconMenuContainerPaintDelegateC::IconMenuContainerPaintDelegateC(const MenuContainerPropertiesC& rProperties,
                                                                 QObject* parent)
    : AbstractMenuContainerPaintDelegateC(rProperties, parent)
    , m_pLayout(new QGridLayout(contentWidget()))
    , m_iRow(0)
    , m_iColumn(0)
{
    m_pLayout->setContentsMargins(s_iMargin, s_iMargin, s_iMargin, 0);
    m_pLayout->setSpacing(s_iSpacing);
    // The tiles keep their size; the space left over goes below and to the right of them.
    m_pLayout->setRowStretch(ROWS, 1);
    m_pLayout->setColumnStretch(COLUMNS, 1);
}

IconMenuContainerPaintDelegateC::~IconMenuContainerPaintDelegateC() = default;

void IconMenuContainerPaintDelegateC::addItem(AbstractMenuItemWidgetC* pItem)
{
    if (!pItem)
        return;
    if (m_iColumn >= COLUMNS) {
        m_iRow += 1;
        m_iColumn = 0;
    }
    if (m_iRow >= ROWS) {
        V40_GUI_REPORT("Cannot add further element.");
        pItem->deleteLater();
        return;
    }
    pItem->setLocalIndex(m_iRow * COLUMNS + m_iColumn + 1);
    m_pLayout->addWidget(pItem, m_iRow, m_iColumn, Qt::AlignLeft | Qt::AlignTop);
    rememberItem(pItem);
    connectNeighbours(m_iRow, m_iColumn);
    m_iColumn += 1;
}

AbstractMenuItemWidgetC* IconMenuContainerPaintDelegateC::itemAt(int iRow, int iColumn) const
{
    if (iRow < 0 || iColumn < 0)
        return nullptr;
    QLayoutItem* pLayoutItem = m_pLayout->itemAtPosition(iRow, iColumn);
    return pLayoutItem ? qobject_cast<AbstractMenuItemWidgetC*>(pLayoutItem->widget()) : nullptr;
}

void IconMenuContainerPaintDelegateC::connectNeighbours(int iRow, int iColumn)
{
    AbstractMenuItemWidgetC* pItem = itemAt(iRow, iColumn);
    if (!pItem) {
        V40_GUI_REPORT("No item in specified position.");
        return;
    }
    if (AbstractMenuItemWidgetC* pAbove = itemAt(iRow - 1, iColumn)) {
        connect(pAbove, SIGNAL(arrowDown()), pItem, SLOT(setFocus()));
        connect(pItem, SIGNAL(arrowUp()), pAbove, SLOT(setFocus()));
    }
    if (AbstractMenuItemWidgetC* pBelow = itemAt(iRow + 1, iColumn)) {
        connect(pBelow, SIGNAL(arrowUp()), pItem, SLOT(setFocus()));
        connect(pItem, SIGNAL(arrowDown()), pBelow, SLOT(setFocus()));
    }
    connect(pItem, SIGNAL(arrowLeft()), pItem, SLOT(simulateBackTab()));
    connect(pItem, SIGNAL(arrowRight()), pItem, SLOT(simulateTab()));
}

} // namespace GUI
} // namespace V40
