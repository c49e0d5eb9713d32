#pragma once
// The SYSTEM INFO page: one row per value, label on the left, value on the right, on pages that
// Left and Right turn (the rows do not fit one screen).
#include <QPointer>
#include <QWidget>

class QLabel;

namespace V40 {
namespace GUI {
class TabPanelC;
}
} // namespace V40

namespace KTX {
namespace APP {

class SystemInformationModelC;

class SystemInformationPanelC : public QWidget
{
    Q_OBJECT

public:
    enum
    {
        ROWS_PER_PAGE = 7
    };

    // Reads everything from a new model, which the panel owns.
    explicit SystemInformationPanelC(QWidget* parent = nullptr);
    ~SystemInformationPanelC() override;

    // Reads everything again, from a model of its own that replaces the last one.
    void reload();
    SystemInformationModelC* getModel() const;
    V40::GUI::TabPanelC* getTabPanel() const;
    // The rows in the order shown: (label, value).
    QList<QPair<QString, QString>> rows() const;

private:
    void addRow(int iLabelToken);
    void showValues();

    SystemInformationModelC* m_pModel;
    QPointer<V40::GUI::TabPanelC> m_pTabPanel;
    QList<QPair<QLabel*, QLabel*>> m_lstRows;
};

} // namespace APP
} // namespace KTX
