#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_ValueModel", __LINE__)

namespace V40 {
namespace GUI {

ValueModelC::ValueModelC(QObject* parent)
    : QObject(parent)
    , m_varOriginal(QString())
    , m_varValue(QString())
    , m_varPrevious(QString())
    , m_varDefault()
    , m_bAcceptInvalid(true)
{
}

ValueModelC::ValueModelC(const QVariant& rvarValue, const QVariant& rvarDefaultValue, QObject* parent)
    : QObject(parent)
    , m_varOriginal(rvarValue)
    , m_varValue(rvarValue)
    , m_varPrevious(rvarValue)
    , m_varDefault(rvarDefaultValue)
    , m_bAcceptInvalid(true)
{
}

ValueModelC::ValueModelC(const QVariant& rvarValue, QObject* parent)
    : ValueModelC(rvarValue, rvarValue, parent)
{
}

ValueModelC::~ValueModelC() = default;

void ValueModelC::setValue(const QVariant& rvarValue)
{
    if (!rvarValue.isValid() && !m_bAcceptInvalid) {
        V40_GUI_REPORT("rvarValue.isValid()");
        return;
    }
    if (rvarValue == m_varValue)
        return;
    // A copy first: rvarValue may be m_varPrevious itself (undoLastChange()).
    const QVariant varNew = rvarValue;
    m_varPrevious = m_varValue;
    m_varValue = varNew;
    emit valueChanged();
}

void ValueModelC::setToDefault()
{
    if (m_varDefault.isValid())
        setValue(m_varDefault);
}

void ValueModelC::undoLastChange()
{
    setValue(m_varPrevious);
}

void ValueModelC::undoChanges()
{
    if (m_varOriginal.isValid())
        setValue(m_varOriginal);
}

void ValueModelC::setOriginalToCurrentValue()
{
    if (m_varValue.isValid())
        m_varOriginal = m_varValue;
}

void ValueModelC::reset(const QVariant& rvarValue, const QVariant& rvarDefaultValue)
{
    // A refused value must not leave an invalid original behind a value that is kept.
    if (!rvarValue.isValid() && !m_bAcceptInvalid) {
        V40_GUI_REPORT("rvarValue.isValid()");
        return;
    }
    m_varDefault = rvarDefaultValue;
    m_varOriginal = rvarValue;
    setValue(rvarValue);
}

QVariant ValueModelC::getValue() const
{
    return m_varValue;
}

bool ValueModelC::isModified() const
{
    return m_varValue != m_varOriginal;
}

void ValueModelC::setAcceptInvalid(bool bAcceptInvalid)
{
    m_bAcceptInvalid = bAcceptInvalid;
}

bool ValueModelC::isAcceptInvalid() const
{
    return m_bAcceptInvalid;
}

void ValueModelC::clearOriginalValue()
{
    m_varOriginal = QVariant();
}

QVariant ValueModelC::getOriginalValue() const
{
    return m_varOriginal;
}

QVariant ValueModelC::getPreviousValue() const
{
    return m_varPrevious;
}

QVariant ValueModelC::getDefaultValue() const
{
    return m_varDefault;
}

} // namespace GUI
} // namespace V40
