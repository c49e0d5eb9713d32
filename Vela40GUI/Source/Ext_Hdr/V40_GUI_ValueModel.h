#pragma once
// One value of a settings panel with its original, previous and default value.
#include <QObject>
#include <QVariant>

namespace V40 {
namespace GUI {

class ValueModelC : public QObject
{
    Q_OBJECT

public:
    // Original, current and previous are an empty string; no default (invalid).
    explicit ValueModelC(QObject* parent = nullptr);
    // Original, current and previous are rvarValue; the default is rvarDefaultValue.
    ValueModelC(const QVariant& rvarValue, const QVariant& rvarDefaultValue, QObject* parent = nullptr);
    // As before with the default equal to rvarValue.
    ValueModelC(const QVariant& rvarValue, QObject* parent = nullptr);
    ~ValueModelC() override;

signals:
    // Emitted once for every effective change of the current value.
    void valueChanged();

public slots:
    // Takes rvarValue as the current value when it differs from it (the replaced value becomes
    // the previous one). An invalid value is refused (assertion "rvarValue.isValid()") unless
    // invalid values are accepted.
    void setValue(const QVariant& rvarValue);
    // setValue(default) when the default is valid.
    void setToDefault();
    // setValue(previous): one level of undo; a second call toggles back.
    void undoLastChange();
    // setValue(original) when the original is valid.
    void undoChanges();
    // original := current when current is valid (no signal).
    void setOriginalToCurrentValue();
    // default := rvarDefaultValue, original := rvarValue, then setValue(rvarValue).
    void reset(const QVariant& rvarValue, const QVariant& rvarDefaultValue);

public:
    QVariant getValue() const;
    // Current differs from original (QVariant comparison).
    bool isModified() const;
    void setAcceptInvalid(bool bAcceptInvalid);
    bool isAcceptInvalid() const;

    // original := invalid (no signal): the current value counts as modified, with nothing to
    // undo to, until it is stored.
    void clearOriginalValue();

    QVariant getOriginalValue() const;
    QVariant getPreviousValue() const;
    QVariant getDefaultValue() const;

private:
    QVariant m_varOriginal;
    QVariant m_varValue;
    QVariant m_varPrevious;
    QVariant m_varDefault;
    bool m_bAcceptInvalid;
};

} // namespace GUI
} // namespace V40
