#pragma once
// The text menu: pages of four lines on a tab panel. Left and right turn the pages.
#include "V40_GUI_AbstractMenuContainerPaintDelegate.h"

#include <QPointer>

class QVBoxLayout;

namespace V40 {
namespace GUI {

class TabPanelC;

class TextMenuContainerPaintDelegateC : public AbstractMenuContainerPaintDelegateC
{
    Q_OBJECT

public:
    enum
    {
        LINES_PER_PAGE = 4
    };

    explicit TextMenuContainerPaintDelegateC(const MenuContainerPropertiesC& rProperties, QObject* parent = nullptr);
    ~TextMenuContainerPaintDelegateC() override;

    void addItem(AbstractMenuItemWidgetC* pItem) override;

    // The pages (null before the first entry).
    TabPanelC* tabPanel() const;

private:
    // Page iPage, created with the pages before it when needed; null when the tab panel is full.
    QWidget* page(int iPage);

    QVBoxLayout* m_pLayout;
    QPointer<TabPanelC> m_pTabPanel;
    int m_iPage;
    int m_iPosition;
    int m_iCount;
};

} // namespace GUI
} // namespace V40
