#pragma once
// The model of a whole application: its result code and its settings models.
#include <QHash>
#include <QPointer>

namespace V40 {
namespace GUI {
class SettingsModelC;
}

namespace APP {

class ApplicationModelBaseC
{
public:
    ApplicationModelBaseC();
    // Copyable: the copy shares the registered settings models.
    ApplicationModelBaseC(const ApplicationModelBaseC&) = default;
    ApplicationModelBaseC& operator=(const ApplicationModelBaseC&) = default;
    virtual ~ApplicationModelBaseC();

    // True as soon as one live registered settings model is modified.
    virtual bool isModified() const;
    // Stores every live modified settings model until the first failure. False when no settings
    // model is registered (or none of them exists any more); true when none is modified.
    virtual bool store();

    // Result code: -1 while unset.
    int getResultCode() const;
    // Overwrites the result code.
    void setResultCode(int iResultCode);
    bool hasResultCode() const;
    void clearResultCode();

    // Registers pModel (not owned) under iId. An identifier whose model still exists reports
    // "!m_mapSettingsModels.contains(iId)" and is then replaced.
    void addSettingsModel(int iId, GUI::SettingsModelC* pModel);
    // Registers under identifier 0.
    void addSettingsModel(GUI::SettingsModelC* pModel);
    // Null when iId is not registered or its model no longer exists.
    GUI::SettingsModelC* getSettingsModel(int iId) const;
    // True when any live registered settings model isStored().
    bool hasStoredSettingsModel() const;

private:
    int m_iResultCode;
    QHash<int, QPointer<GUI::SettingsModelC>> m_mapSettingsModels;
};

} // namespace APP
} // namespace V40
