#pragma once
// A settings row: caption, value widget and the widget's unit, left to right. Focusing or
// clicking any part of the row focuses the field.
#include <QPointer>
#include <QWidget>

class QLabel;

namespace V40 {
namespace GUI {

class AbstractValueWidgetC;

class HLabeledWidgetC : public QWidget
{
    Q_OBJECT

public:
    // Reports "pValueWidget" for a null widget; the row then shows only the caption.
    HLabeledWidgetC(const QString& strCaption, AbstractValueWidgetC* pValueWidget, QWidget* parent = nullptr);
    ~HLabeledWidgetC() override;

    AbstractValueWidgetC* getValueWidget() const;
    QLabel* getCaptionLabel() const;
    // Hidden while the widget has no unit text.
    QLabel* getUnitLabel() const;
    // Takes the widget's unit text again (also done whenever the row is shown).
    void updateUnitText();

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QPointer<AbstractValueWidgetC> m_pWidget;
    QLabel* m_pCaptionLabel;
    QLabel* m_pUnitLabel;
};

} // namespace GUI
} // namespace V40
