#pragma once
// A caption above its value widget. Focusing or clicking the caption focuses the field.
#include <QPointer>
#include <QWidget>

class QLabel;

namespace V40 {
namespace GUI {

class AbstractValueWidgetC;

class VLabeledWidgetC : public QWidget
{
    Q_OBJECT

public:
    // Reports "pValueWidget" for a null widget; the column then shows only the caption.
    VLabeledWidgetC(const QString& strCaption, AbstractValueWidgetC* pValueWidget, QWidget* parent = nullptr);
    ~VLabeledWidgetC() override;

    AbstractValueWidgetC* getValueWidget() const;
    QLabel* getCaptionLabel() const;

private:
    QPointer<AbstractValueWidgetC> m_pWidget;
    QLabel* m_pCaptionLabel;
};

} // namespace GUI
} // namespace V40
