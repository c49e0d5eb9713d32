#include "V40_GUI_SettingsModel.h"

#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#define V40_GUI_REPORT_AT(text, line) BSS_ASSERT_REPORT((text), "V40_GUI_SettingsModel", (line))
#define V40_GUI_REPORT(text) V40_GUI_REPORT_AT((text), __LINE__)

namespace V40 {
namespace GUI {

SettingsModelC::SettingsModelC(QObject* parent)
    : QObject(parent)
    , m_oSignalMapper(this)
    , m_bStored(false)
    , m_bReadValuesUnstored(false)
{
    connect(&m_oSignalMapper, SIGNAL(mapped(int)), this, SIGNAL(valueChanged(int)));
}

SettingsModelC::~SettingsModelC() = default;

ValueModelC* SettingsModelC::lookUp(int iKey, int iLine) const
{
    const auto itFound = m_mapInputModels.constFind(iKey);
    if (itFound == m_mapInputModels.cend()) {
        V40_GUI_REPORT_AT("i != m_mapInputModels.end()", iLine);
        return nullptr;
    }
    return itFound.value().data();
}

void SettingsModelC::addInputModel(int iKey, ValueModelC* pModel)
{
    if (!pModel) {
        V40_GUI_REPORT("pModel");
        return;
    }
    const auto itFound = m_mapInputModels.constFind(iKey);
    if (itFound != m_mapInputModels.cend()) {
        if (itFound.value()) {
            V40_GUI_REPORT("!m_mapInputModels.contains( iKey )");
            return;
        }
        // The model of this key no longer exists: the new one takes its place (keeping the dead
        // entry would leave the new model's values out of isModified() and store()).
        m_mapInputModels.remove(iKey);
    }
    connect(pModel, SIGNAL(valueChanged()), &m_oSignalMapper, SLOT(map()));
    m_oSignalMapper.setMapping(pModel, iKey);
    m_mapInputModels.insert(iKey, QPointer<ValueModelC>(pModel));
}

ValueModelC* SettingsModelC::getInputModel(int iKey) const
{
    return lookUp(iKey, __LINE__);
}

QVariant SettingsModelC::getValue(int iKey) const
{
    ValueModelC* pModel = lookUp(iKey, __LINE__);
    return pModel ? pModel->getValue() : QVariant();
}

bool SettingsModelC::isModified() const
{
    for (auto it = m_mapInputModels.cbegin(); it != m_mapInputModels.cend(); ++it) {
        if (it.value() && it.value()->isModified())
            return true;
    }
    return false;
}

bool SettingsModelC::isModified(int iKey) const
{
    ValueModelC* pModel = lookUp(iKey, __LINE__);
    return pModel ? pModel->isModified() : false;
}

void SettingsModelC::setValue(int iKey, const QVariant& rvarValue)
{
    if (ValueModelC* pModel = lookUp(iKey, __LINE__))
        pModel->setValue(rvarValue);
}

void SettingsModelC::setToDefault()
{
    // A copy: a slot connected to valueChanged may register further models.
    const auto mapModels = m_mapInputModels;
    for (auto it = mapModels.cbegin(); it != mapModels.cend(); ++it) {
        if (it.value())
            it.value()->setToDefault();
    }
}

void SettingsModelC::setToDefault(int iKey)
{
    if (ValueModelC* pModel = lookUp(iKey, __LINE__))
        pModel->setToDefault();
}

void SettingsModelC::undoLastChange(int iKey)
{
    if (ValueModelC* pModel = lookUp(iKey, __LINE__))
        pModel->undoLastChange();
}

void SettingsModelC::undoChanges()
{
    const auto mapModels = m_mapInputModels;
    for (auto it = mapModels.cbegin(); it != mapModels.cend(); ++it) {
        if (it.value())
            it.value()->undoChanges();
    }
}

void SettingsModelC::setOriginalToCurrentValue()
{
    for (auto it = m_mapInputModels.cbegin(); it != m_mapInputModels.cend(); ++it) {
        if (it.value())
            it.value()->setOriginalToCurrentValue();
    }
}

void SettingsModelC::setOriginalToCurrentValue(int iKey)
{
    if (ValueModelC* pModel = lookUp(iKey, __LINE__))
        pModel->setOriginalToCurrentValue();
}

bool SettingsModelC::readValues()
{
    return false;
}

bool SettingsModelC::writeValues()
{
    return false;
}

bool SettingsModelC::load()
{
    m_bReadValuesUnstored = false;
    const bool bResult = readValues();
    if (bResult)
        setOriginalToCurrentValue();
    if (bResult && m_bReadValuesUnstored) {
        for (auto it = m_mapInputModels.cbegin(); it != m_mapInputModels.cend(); ++it) {
            if (it.value())
                it.value()->clearOriginalValue();
        }
    }
    m_bReadValuesUnstored = false;
    return bResult;
}

void SettingsModelC::markReadValuesUnstored()
{
    m_bReadValuesUnstored = true;
}

bool SettingsModelC::store()
{
    const bool bResult = writeValues();
    if (bResult)
        setOriginalToCurrentValue();
    return bResult;
}

bool SettingsModelC::isStored() const
{
    return m_bStored;
}

void SettingsModelC::setStored(bool bStored)
{
    m_bStored = bStored;
}

QList<int> SettingsModelC::inputModelKeys() const
{
    return m_mapInputModels.keys();
}

} // namespace GUI
} // namespace V40
