#pragma once
// The SYSTEM INFO page: F1 ("Legal") asks for the legal information, F6 ("OK") and Escape leave.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

namespace KTX {
namespace APP {

class SystemInformationPanelC;

class SystemInformationApplicationStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit SystemInformationApplicationStateC(QObject* parent = nullptr);
    ~SystemInformationApplicationStateC() override;

    SystemInformationPanelC* getInformationPanel() const;

public slots:
    void OnShowLegalInfo();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    // The panel reads the instrument through a model of its own.
    bool canWarmUp() const override;
    // The values read again; the rows are the same on every instrument.
    bool refreshPanel() override;
    void addShortcuts() override;
};

} // namespace APP
} // namespace KTX
