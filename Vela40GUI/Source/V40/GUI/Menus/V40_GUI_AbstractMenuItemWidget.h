#pragma once
// The widget of one menu entry. It owns the shortcuts that select the entry: the digit or
// function key of its place in the menu.
#include "V40_GUI_CustomFocusHandlingWidget.h"
#include "V40_GUI_MenuComponentProperties.h"

#include <QHash>
#include <QPointer>

class QShortcut;

namespace V40 {
namespace GUI {

class AbstractMenuItemWidgetC : public CustomFocusHandlingWidgetC
{
    Q_OBJECT

public:
    explicit AbstractMenuItemWidgetC(const MenuComponentPropertiesC& rProperties, QWidget* parent = nullptr);
    ~AbstractMenuItemWidgetC() override;

    const MenuComponentPropertiesC& getProperties() const;
    // The caption in the language of the moment the widget was built (menus rebuild their
    // widgets after a language change).
    QString caption() const;
    // The place on the page (icon grid 1-6, text page 1-4) and in the whole menu (1-n).
    int localIndex() const;
    void setLocalIndex(int iIndex);
    int globalIndex() const;
    void setGlobalIndex(int iIndex);

    // The keys of the shortcuts that select this entry.
    QList<int> shortcutKeys() const;
    // A key that is already taken is reported and changes nothing.
    void addShortcut(int eKey);
    // A key without a shortcut is reported and changes nothing.
    void removeShortcut(int eKey);

signals:
    void selected();
    void localIndexChanged(int iOldValue, int iNewValue);
    void globalIndexChanged(int iOldValue, int iNewValue);

public slots:
    void onShortcutActivated();
    virtual void onLocalIndexChanged(int iOldValue, int iNewValue);
    virtual void onGlobalIndexChanged(int iOldValue, int iNewValue);

protected:
    // Mouse and touch: a press takes the focus, a release is a click.
    bool event(QEvent* pEvent) override;

private:
    MenuComponentPropertiesC m_oProperties;
    QString m_strCaption;
    int m_iLocalIndex;
    int m_iGlobalIndex;
    QHash<int, QPointer<QShortcut>> m_mapShortcuts;
};

} // namespace GUI
} // namespace V40
