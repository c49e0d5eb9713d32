#pragma once
// The edit field of a settings row: a line edit bound to a value model. It shows the model's
// value, is editable only while it has the focus and commits on Enter and when it loses the focus.
#include "V40_GUI_AbstractValueWidget.h"

#include <QPointer>

class QHBoxLayout;
class QLineEdit;
class QValidator;

namespace V40 {
namespace GUI {

class ValueWidgetC : public AbstractValueWidgetC
{
    Q_OBJECT

public:
    enum WidthModeE
    {
        WIDTH_FIXED = 0,         // fixed 228 pixels
        WIDTH_UP_TO_FIXED = 1,   // 0 to 228 pixels
        WIDTH_UNCHANGED = 2,
        WIDTH_UP_TO_WIDE = 3     // 0 to 300 pixels
    };

    ValueWidgetC(ValueModelC* pModel, int iMode, QWidget* parent = nullptr);
    explicit ValueWidgetC(QWidget* parent = nullptr);
    ~ValueWidgetC() override;

    int getWidthMode() const;
    void setWidthMode(int iWidthMode);

    // The editor; null for fields that show their value otherwise.
    QLineEdit* getLineEdit() const;
    // Installs the validator that checks and formats the text; a validator without parent
    // becomes the widget's. Null removes the current one. The field shows the model value again.
    void setValidator(QValidator* pValidator);
    const QValidator* getValidator() const;
    void setInputMask(const QString& strInputMask);
    QString getInputMask() const;
    void setUnitText(const QString& strUnitText);

    QVariant getDisplayValue() const override;
    void setDisplayValue(const QVariant& rvarDisplayValue) override;
    // An invalid value shows as "----"; any other as its text, formatted by the validator.
    QVariant modelToDisplayValue(const QVariant& rvarModelValue) const override;
    // The text, formatted by the validator, in the type of the model's current value.
    QVariant displayToModelValue(const QVariant& rvarDisplayValue) const override;
    bool isInSync() const override;
    bool isAcceptable() const override;
    QString getUnitText() const override;
    QWidget* getEditor() const override;
    void setHighlighted(bool bHighlighted) override;

signals:
    void valueEdited(const QString& strText);

public slots:
    void OnEditingFinished();
    void OnEdited(const QString& strText);
    void OnTextSelectionChanged();

protected:
    // For fields that show their value in a widget of their own instead of a line edit.
    ValueWidgetC(ValueModelC* pModel, int iMode, QWidget* parent, bool bWithLineEdit);

    QHBoxLayout* getLayout() const;
    // The palette of a field with or without the focus.
    static QPalette fieldPalette(bool bHighlighted);

    void showEvent(QShowEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    QLineEdit* lineEditOrReport() const;
    void selectForEditing();

    QPointer<QLineEdit> m_pLineEdit;
    int m_iWidthMode;
    QString m_strUnitText;
    bool m_bInitialised;
    bool m_bInKeyPress;
};

} // namespace GUI
} // namespace V40
