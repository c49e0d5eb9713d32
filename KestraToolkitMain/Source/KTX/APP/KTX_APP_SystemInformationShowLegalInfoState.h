#pragma once
// Opens the legal (open-source) information of the installation with the system's viewer, or
// says that the document is missing; then the application ends.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class SystemInformationShowLegalInfoStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit SystemInformationShowLegalInfoStateC(QObject* parent = nullptr);
    ~SystemInformationShowLegalInfoStateC() override;

    void execute() override;

    // "<application directory>LegalInfo/OpenSourceInfo.html".
    static QString legalInfoPath();
};

} // namespace APP
} // namespace KTX
