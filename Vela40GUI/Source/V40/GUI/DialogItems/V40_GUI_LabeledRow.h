#pragma once
// What the labelled rows and columns share: their labels and how they hand on the focus.
#include <QLabel>

namespace V40 {
namespace GUI {
namespace LabeledRow {

// A label aligned left and vertically centred, without margin, that focuses pFocusProxy.
inline QLabel* createLabel(const QString& strText, QWidget* pFocusProxy, QWidget* parent)
{
    auto* pLabel = new QLabel(strText, parent);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pLabel->setMargin(0);
    if (pFocusProxy) {
        // A click on the label ends up in the field; Tab still passes the label by.
        pLabel->setFocusPolicy(Qt::ClickFocus);
        pLabel->setFocusProxy(pFocusProxy);
    }
    return pLabel;
}

} // namespace LabeledRow
} // namespace GUI
} // namespace V40
