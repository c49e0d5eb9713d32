#pragma once
// A field bound to a value model: what the field shows and the model's value are kept equal,
// except while the user edits or an input is rejected.
#include "V40_GUI_CustomFocusHandlingWidget.h"

#include <QPointer>
#include <QVariant>

namespace V40 {
namespace GUI {

class ValueModelC;

class AbstractValueWidgetC : public CustomFocusHandlingWidgetC
{
    Q_OBJECT

public:
    enum ModeE
    {
        MODE_EDITABLE = 0,
        MODE_DISPLAY_ONLY = 1
    };

    // Takes over pModel (it becomes a child of the widget); a null model is replaced by a fresh one.
    AbstractValueWidgetC(ValueModelC* pModel, int iMode, QWidget* parent = nullptr);
    explicit AbstractValueWidgetC(QWidget* parent = nullptr);
    ~AbstractValueWidgetC() override;

    // The model; reports "m_pModel" when it has been destroyed from outside.
    ValueModelC* getModel() const;
    int getMode() const;
    void setMode(int iMode);

    // The model's current value, or an invalid value without a model.
    virtual QVariant getValue() const;
    // Writes to the model.
    virtual void setValue(const QVariant& rvarValue);
    // Shows the model's value again.
    virtual void refresh();

    // The value the widget shows, in display form.
    virtual QVariant getDisplayValue() const = 0;
    // Shows a display value; an invalid one is reported and ignored.
    virtual void setDisplayValue(const QVariant& rvarDisplayValue) = 0;
    virtual QVariant modelToDisplayValue(const QVariant& rvarModelValue) const = 0;
    // The model value for a display value; invalid when the display value cannot be one.
    virtual QVariant displayToModelValue(const QVariant& rvarDisplayValue) const = 0;
    // True when the value shown equals the model's value in display form.
    virtual bool isInSync() const = 0;
    // True when the value shown may be written to the model.
    virtual bool isAcceptable() const = 0;
    // The unit shown beside the value (empty for none).
    virtual QString getUnitText() const = 0;
    // The child that shows the value.
    virtual QWidget* getEditor() const = 0;
    // The look of a field with or without the focus.
    virtual void setHighlighted(bool bHighlighted) = 0;

    // Editable fields take the focus, display-only ones never do.
    virtual void applyMode();

    // The warning sound of a rejected input. The hook replaces it (null restores the system
    // beep) and returns the previous hook.
    using BeepHookF = void (*)();
    static void beep();
    static BeepHookF setBeepHook(BeepHookF fnHook);

signals:
    void valueChanged();

public slots:
    virtual void OnModelValueChanged();
    virtual void OnWidgetValueChanged();

private:
    void traceSync(const char* strSide) const;

    QPointer<ValueModelC> m_pModel;
    int m_iMode;
};

} // namespace GUI
} // namespace V40
