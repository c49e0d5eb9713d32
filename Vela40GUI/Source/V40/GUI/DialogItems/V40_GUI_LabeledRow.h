#pragma once
// What the labelled rows and columns share: their labels and how they hand on the focus.
#include "V40_GUI_PlainLabel.h"

#include <QEvent>

namespace V40 {
namespace GUI {
namespace LabeledRow {

// Hands a click on a label to the field it names.
class ClickFocusesProxyC : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::MouseButtonPress) {
            if (QWidget* pProxy = static_cast<QWidget*>(pObject)->focusProxy())
                pProxy->setFocus(Qt::MouseFocusReason);
        }
        return false;
    }
};

// A label aligned left and vertically centred, without margin, that focuses pFocusProxy.
inline QLabel* createLabel(const QString& strText, QWidget* pFocusProxy, QWidget* parent)
{
    // Plain texts, on a label that never takes the focus itself: one that does builds a text
    // document to be selectable, which cost a panel more than all else it builds.
    auto* pLabel = new PlainLabelC(strText, parent);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pLabel->setMargin(0);
    if (pFocusProxy) {
        // A click on the label ends up in the field; Tab passes the label by.
        pLabel->setFocusProxy(pFocusProxy);
        pLabel->installEventFilter(new ClickFocusesProxyC(pLabel));
    }
    return pLabel;
}

} // namespace LabeledRow
} // namespace GUI
} // namespace V40
