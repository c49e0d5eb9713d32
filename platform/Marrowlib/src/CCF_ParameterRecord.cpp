#include "Marrowlib/CCF_ParameterRecord.h"

#include "Ferrolib/BSS_Trace.h"
#include "SimInstrument/VSIM_Settings.h"

namespace CCF {

ParameterRecordC::ParameterRecordC(const QStringList& lstKeys)
    : m_lstKeys(lstKeys)
{
    for (int i = 0; i < m_lstKeys.size(); ++i)
        m_lstValues.append(QVariant());
}

ParameterRecordC::~ParameterRecordC() = default;

int ParameterRecordC::load(int iContext)
{
    (void)iContext;
    QList<QVariant> lstValues;
    for (const QString& strKey : qAsConst(m_lstKeys)) {
        const QVariant varValue = VSIM::SettingsC::value(strKey);
        if (!varValue.isValid())
            return RC_PARAMETER_UNKNOWN;
        lstValues.append(varValue);
    }
    m_lstValues = lstValues;
    return RC_PARAMETER_OK;
}

int ParameterRecordC::save(int iMode)
{
    (void)iMode;
    QList<QPair<QString, QVariant>> lstValues;
    for (int i = 0; i < m_lstKeys.size(); ++i)
        lstValues.append({m_lstKeys.at(i), m_lstValues.at(i)});
    QString strError;
    if (!VSIM::SettingsC::setValues(lstValues, VSIM::WRITER_INSTRUMENT, &strError)) {
        BSS::traceLine(QStringLiteral("Marrowlib"), QStringLiteral("Parameters not saved: %1").arg(strError));
        return RC_PARAMETER_REFUSED;
    }
    return RC_PARAMETER_OK;
}

QVariant ParameterRecordC::field(int iIndex) const
{
    return m_lstValues.value(iIndex);
}

void ParameterRecordC::setField(int iIndex, const QVariant& rvarValue)
{
    if (iIndex >= 0 && iIndex < m_lstValues.size())
        m_lstValues[iIndex] = rvarValue;
}

} // namespace CCF
