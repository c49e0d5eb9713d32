#pragma once
// A menu entry that runs an application and then shows the next component or the enclosing
// menu again.
#include "V40_GUI_AbstractMenuComponent.h"

#include <QPointer>
#include <QScopedPointer>

namespace V40 {
namespace APP {
class AbstractApplicationC;
}

namespace GUI {

class ApplicationMenuComponentC : public AbstractMenuComponentC
{
    Q_OBJECT

public:
    // Takes pApplication over. pNextComponent (not owned, may be null) is shown after a run that
    // ended with result 0; otherwise the enclosing menu is shown.
    ApplicationMenuComponentC(V40::APP::AbstractApplicationC* pApplication, int iCaptionToken,
                              const QString& strIconPath, AbstractMenuComponentC* pNextComponent,
                              QObject* parent = nullptr);
    ~ApplicationMenuComponentC() override;

    V40::APP::AbstractApplicationC* application() const;
    AbstractMenuComponentC* nextComponent() const;

public slots:
    void onSelected() override;
    // A first screen built ahead holds the texts of the language before.
    void onLanguageChanged() override;

private:
    QScopedPointer<V40::APP::AbstractApplicationC> m_spApplication;
    QPointer<AbstractMenuComponentC> m_pNextComponent;
};

} // namespace GUI
} // namespace V40
