#pragma once
// A persistent parameter record of the instrument (sensor calibration, laser plummet settings):
// a few named fields that the instrument keeps across restarts. load() reads all of them, save()
// writes all of them in one step; both return 0 on success.
#include <QList>
#include <QStringList>
#include <QVariant>

namespace CCF {

class ParameterRecordC
{
public:
    static constexpr int RC_PARAMETER_OK = 0;
    static constexpr int RC_PARAMETER_UNKNOWN = 1;
    static constexpr int RC_PARAMETER_REFUSED = 2;

    virtual ~ParameterRecordC();

    // The context says who reads; every context reads the same fields here.
    int load(int iContext);
    // Refused as a whole when a field holds a value the instrument does not take.
    int save(int iMode);

protected:
    // The simulated instrument keeps each field as the simulator setting of that key.
    explicit ParameterRecordC(const QStringList& lstKeys);

    QVariant field(int iIndex) const;
    void setField(int iIndex, const QVariant& rvarValue);

private:
    QStringList m_lstKeys;
    QList<QVariant> m_lstValues;
};

} // namespace CCF
