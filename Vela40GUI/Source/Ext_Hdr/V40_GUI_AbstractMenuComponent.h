#pragma once
// A node of the menu tree: a menu or an entry that starts an application. The enclosing menu is
// the QObject parent; the root has none.
#include "V40_GUI_MenuComponentProperties.h"

#include <QObject>

namespace V40 {
namespace GUI {

class AbstractMenuComponentC : public QObject
{
    Q_OBJECT

public:
    AbstractMenuComponentC(int iCaptionToken, const QString& strIconPath, QObject* parent = nullptr);
    ~AbstractMenuComponentC() override;

    const MenuComponentPropertiesC& getProperties() const;
    // The enclosing menu component, or null for the root.
    AbstractMenuComponentC* parentComponent() const;

signals:
    // Escape on the root: leaving the menu is the owner's business.
    void escape();

public slots:
    virtual void onSelected() = 0;
    // Shows the enclosing menu again, or emits escape() at the root.
    virtual void onEscape();
    virtual void onLanguageChanged();

private:
    MenuComponentPropertiesC m_oProperties;
};

} // namespace GUI
} // namespace V40
