#pragma once
// The keyed set of value models of one settings panel.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSignalMapper>
#include <QVariant>

namespace V40 {
namespace GUI {

class ValueModelC;

class SettingsModelC : public QObject
{
    Q_OBJECT

public:
    explicit SettingsModelC(QObject* parent = nullptr);
    ~SettingsModelC() override;

signals:
    // Re-emits valueChanged() of the value model registered under iKey.
    void valueChanged(int iKey);

public slots:
    // Forwards to the value model of iKey.
    virtual void setValue(int iKey, const QVariant& rvarValue);
    // All live value models to their defaults.
    void setToDefault();
    void setToDefault(int iKey);
    void undoLastChange(int iKey);
    // All live value models back to their originals.
    void undoChanges();

public:
    // Fill the value models from the instrument or configuration; the default does nothing.
    virtual bool readValues();
    // Write the current values to the instrument or configuration; the default does nothing.
    virtual bool writeValues();

    // Registers pModel (not owned) under iKey. A null model reports "pModel"; a key whose model
    // still exists reports "!m_mapInputModels.contains( iKey )" and keeps the existing entry.
    void addInputModel(int iKey, ValueModelC* pModel);
    ValueModelC* getInputModel(int iKey) const;
    QVariant getValue(int iKey) const;
    bool isModified() const;
    bool isModified(int iKey) const;
    void setOriginalToCurrentValue();
    void setOriginalToCurrentValue(int iKey);
    // readValues(); on success the loaded values become the unmodified state, unless
    // readValues() marked them as not stored.
    bool load();
    // writeValues(); on success the stored values become the unmodified state.
    bool store();

    bool isStored() const;
    void setStored(bool bStored);

    // The registered keys (live or not), in hash order.
    QList<int> inputModelKeys() const;

protected:
    // For readValues(): what it read is not what is stored (a damaged record, replaced by
    // factory values), so load() leaves every value modified and the next store writes it.
    void markReadValuesUnstored();

private:
    // Looks iKey up; a missing key reports "i != m_mapInputModels.end()" (line iLine). A key
    // whose model no longer exists yields null without a report.
    ValueModelC* lookUp(int iKey, int iLine) const;

    QHash<int, QPointer<ValueModelC>> m_mapInputModels;
    QSignalMapper m_oSignalMapper;
    bool m_bStored;
    bool m_bReadValuesUnstored;
};

} // namespace GUI
} // namespace V40
