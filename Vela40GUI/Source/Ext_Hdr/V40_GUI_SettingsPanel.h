#pragma once
// A content page of settings rows: each row a caption and a value widget whose value model is
// registered with the panel's settings model under the row's key. Up and down move between rows.
#include "V40_GUI_ContentBarBaseWidget.h"

#include <QHash>
#include <QPointer>
#include <QVariant>

class QVBoxLayout;

namespace V40 {
namespace GUI {

class AbstractValueWidgetC;
class HLabeledWidgetC;
class SettingsModelC;

class SettingsPanelC : public ContentBarBaseWidgetC
{
    Q_OBJECT

public:
    enum
    {
        // Row spacing when the rows would not fit otherwise.
        SQUEEZED_SPACING = 5
    };

    explicit SettingsPanelC(QWidget* parent = nullptr);
    ~SettingsPanelC() override;

    // The panel's settings model, created by createModel() on first use (a child of the panel).
    SettingsModelC* getModel();
    // Adds a row for pWidget (the panel takes it over): its model gets the value and the default,
    // and is registered under iKey. The first editable widget added gets the focus.
    void addValueWidget(int iKey, const QVariant& rvarValue, const QVariant& rvarDefaultValue,
                        const QString& strCaption, AbstractValueWidgetC* pWidget);
    // The row of iKey, or null.
    HLabeledWidgetC* getRow(int iKey) const;
    QVBoxLayout* panelLayout() const;

    // Brings a panel built ahead, and not shown since, up to date: loads its values again. False
    // when it would be built differently now and must be built again.
    virtual bool refresh();

public slots:
    // Loads the values through the settings model.
    void loadValues();

protected:
    // A new settings model for this panel; the default is a plain SettingsModelC.
    virtual SettingsModelC* createModel();

    void showEvent(QShowEvent* pEvent) override;

private:
    QPointer<SettingsModelC> m_pModel;
    QHash<int, HLabeledWidgetC*> m_mapRows;
    bool m_bFocusGiven;
    QVBoxLayout* m_pLayout;
};

} // namespace GUI
} // namespace V40
