#include "V40_GUI_AbstractMenuItemWidget.h"

#include "Ferrolib/BSS_Assert.h"

#include <QEvent>
#include <QShortcut>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_AbstractMenuItemWidget", __LINE__)

namespace V40 {
namespace GUI {

AbstractMenuItemWidgetC::AbstractMenuItemWidgetC(const MenuComponentPropertiesC& rProperties, QWidget* parent)
    : CustomFocusHandlingWidgetC(parent)
    , m_oProperties(rProperties)
    , m_strCaption(rProperties.getCaption())
    , m_iLocalIndex(0)
    , m_iGlobalIndex(0)
{
    setObjectName(m_strCaption);
}

AbstractMenuItemWidgetC::~AbstractMenuItemWidgetC() = default;

const MenuComponentPropertiesC& AbstractMenuItemWidgetC::getProperties() const
{
    return m_oProperties;
}

QString AbstractMenuItemWidgetC::caption() const
{
    return m_strCaption;
}

int AbstractMenuItemWidgetC::localIndex() const
{
    return m_iLocalIndex;
}

void AbstractMenuItemWidgetC::setLocalIndex(int iIndex)
{
    if (iIndex == m_iLocalIndex)
        return;
    const int iOld = m_iLocalIndex;
    m_iLocalIndex = iIndex;
    onLocalIndexChanged(iOld, iIndex);
    emit localIndexChanged(iOld, iIndex);
}

int AbstractMenuItemWidgetC::globalIndex() const
{
    return m_iGlobalIndex;
}

void AbstractMenuItemWidgetC::setGlobalIndex(int iIndex)
{
    if (iIndex == m_iGlobalIndex)
        return;
    const int iOld = m_iGlobalIndex;
    m_iGlobalIndex = iIndex;
    onGlobalIndexChanged(iOld, iIndex);
    emit globalIndexChanged(iOld, iIndex);
}

QList<int> AbstractMenuItemWidgetC::shortcutKeys() const
{
    return m_mapShortcuts.keys();
}

void AbstractMenuItemWidgetC::addShortcut(int eKey)
{
    if (m_mapShortcuts.contains(eKey)) {
        V40_GUI_REPORT("!m_mapShortcuts.contains( eKey )");
        return;
    }
    QShortcut* pShortcut = new QShortcut(QKeySequence(eKey), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(pShortcut, SIGNAL(activated()), this, SLOT(onShortcutActivated()));
    m_mapShortcuts.insert(eKey, pShortcut);
}

void AbstractMenuItemWidgetC::removeShortcut(int eKey)
{
    const auto itFound = m_mapShortcuts.find(eKey);
    if (itFound == m_mapShortcuts.end()) {
        V40_GUI_REPORT("m_mapShortcuts.contains( eKey )");
        return;
    }
    delete itFound.value().data();
    m_mapShortcuts.erase(itFound);
}

void AbstractMenuItemWidgetC::onShortcutActivated()
{
    setHasFocus();
    emit selected();
}

void AbstractMenuItemWidgetC::onLocalIndexChanged(int, int)
{
}

void AbstractMenuItemWidgetC::onGlobalIndexChanged(int, int)
{
}

bool AbstractMenuItemWidgetC::event(QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        setFocus(Qt::OtherFocusReason);
        pEvent->accept();
        return true;
    case QEvent::MouseButtonRelease:
        pEvent->accept();
        emit clicked();
        return true;
    default:
        return CustomFocusHandlingWidgetC::event(pEvent);
    }
}

} // namespace GUI
} // namespace V40
