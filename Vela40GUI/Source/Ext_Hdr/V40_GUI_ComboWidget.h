#pragma once
// A choice among fixed entries: the chosen entry's text and a switch button. Left and right (and
// the button) step through the entries, wrapping around at both ends; the model holds the
// chosen entry's value.
#include "V40_GUI_ValueWidget.h"

#include <QList>
#include <QPointer>

class QLabel;
class QPushButton;

namespace V40 {
namespace GUI {

class ComboWidgetC : public ValueWidgetC
{
    Q_OBJECT

public:
    ComboWidgetC(ValueModelC* pModel, int iMode, QWidget* parent = nullptr);
    explicit ComboWidgetC(QWidget* parent = nullptr);
    ~ComboWidgetC() override;

    // Appends an entry. While none is chosen, the entry that holds the model's value is chosen.
    // Values compare as the model compares them.
    void addItem(const QString& strText, const QVariant& rvarValue);
    int count() const;
    int getCurrentIndex() const;
    QString itemText(int iIndex) const;
    QVariant itemValue(int iIndex) const;
    // The text of the entry with the value, and the value of the entry with the text; a value or
    // text of no entry reports "Unknown or invalid value." and gives an empty result.
    QString getTextForValue(const QVariant& rvarValue) const;
    QVariant getValueForText(const QString& strText) const;

    QLabel* getValueLabel() const;
    QPushButton* getSwitchButton() const;

    // Chooses the entry that holds the model's value; a value of no entry reports "Unknown value."
    // and chooses the first entry (the model then holds that entry's value).
    void refresh() override;
    QVariant getDisplayValue() const override;
    void setDisplayValue(const QVariant& rvarDisplayValue) override;
    QVariant modelToDisplayValue(const QVariant& rvarModelValue) const override;
    QVariant displayToModelValue(const QVariant& rvarDisplayValue) const override;
    bool isInSync() const override;
    bool isAcceptable() const override;
    QWidget* getEditor() const override;
    void setHighlighted(bool bHighlighted) override;
    // The switch button works only in editable fields.
    void applyMode() override;

public slots:
    // Reports "Index out of range." for an index outside the entries and changes nothing.
    void setCurrentIndex(int iIndex);
    void incrementIndex();
    void decrementIndex();
    void OnSwitchButtonClicked();

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    struct EntryS
    {
        QString strText;
        QVariant varValue;
    };

    int indexOfValue(const QVariant& rvarValue) const;
    // The value label is as wide as the widest entry in the current font. The entries before
    // iFrom have been measured in it already.
    void fitWidth(int iFrom = 0);

    QPointer<QPushButton> m_pSwitchBtn;
    QList<EntryS> m_lstEntries;
    int m_iWidestText = 0;
    int m_iCurrentIndex;
    QPointer<QLabel> m_pValueLabel;
};

} // namespace GUI
} // namespace V40
