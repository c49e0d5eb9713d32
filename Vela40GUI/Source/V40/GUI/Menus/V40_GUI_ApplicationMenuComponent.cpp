#include "V40_GUI_ApplicationMenuComponent.h"

#include "V40_APP_AbstractApplication.h"

#include "Ferrolib/BSS_Assert.h"

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_ApplicationMenuComponent", __LINE__)

namespace V40 {
namespace GUI {

ApplicationMenuComponentC::ApplicationMenuComponentC(V40::APP::AbstractApplicationC* pApplication,
                                                     int iCaptionToken, const QString& strIconPath,
                                                     AbstractMenuComponentC* pNextComponent, QObject* parent)
    : AbstractMenuComponentC(iCaptionToken, strIconPath, parent)
    , m_spApplication(pApplication)
    , m_pNextComponent(pNextComponent)
{
}

ApplicationMenuComponentC::~ApplicationMenuComponentC() = default;

V40::APP::AbstractApplicationC* ApplicationMenuComponentC::application() const
{
    return m_spApplication.data();
}

AbstractMenuComponentC* ApplicationMenuComponentC::nextComponent() const
{
    return m_pNextComponent;
}

void ApplicationMenuComponentC::onSelected()
{
    // Selecting this entry again (an entry outside any menu) is a loop, not a recursion, so that
    // repeated runs do not pile up on the stack.
    for (;;) {
        if (!m_spApplication)
            return;
        int iResult = 0;
        if (m_spApplication->canStart())
            iResult = m_spApplication->run();

        if (iResult == 0 && m_pNextComponent) {
            m_pNextComponent->onSelected();
            return;
        }
        if (AbstractMenuComponentC* pParent = parentComponent()) {
            pParent->onSelected();
            return;
        }
        V40_GUI_REPORT("0 != pNextComponent");
        if (!m_spApplication->canStart())
            return;
    }
}

void ApplicationMenuComponentC::onLanguageChanged()
{
    if (m_spApplication)
        m_spApplication->dropPreparedState();
}

} // namespace GUI
} // namespace V40
