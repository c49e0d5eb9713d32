#pragma once
// The instrument panel: the keypad of the instrument and the controls of the simulated
// instrument beside the toolkit's window. Every control writes the simulator settings as
// KestraSimCtl does and shows what others change (the settings watcher, no polling).
#include <QHash>
#include <QList>
#include <QPair>
#include <QVariant>
#include <QWidget>

class QFormLayout;
class QLabel;
class QSlider;
class QStringList;
class QTabWidget;

namespace KPN {

class KeypadC;
class SettingControlC;

class PanelWindowC : public QWidget
{
    Q_OBJECT

public:
    explicit PanelWindowC(QWidget* pParent = nullptr);
    ~PanelWindowC() override;

    KeypadC* keypad() const { return m_pKeypad; }
    // The control of a setting; null for a key without one.
    SettingControlC* control(const QString& strKey) const { return m_hashControls.value(strKey); }
    // The tilt sliders, L and T.
    QSlider* tiltSlider(const QString& strKey) const { return m_hashTiltSliders.value(strKey); }
    QLabel* statusLine() const { return m_pStatus; }

private:
    QWidget* makeTiltAndTelescopePage();
    QWidget* makeDevicesExtras();
    void addTiltSlider(QFormLayout* pForm, const QString& strKey, const QString& strLabel);
    SettingControlC* addControl(QFormLayout* pForm, const QString& strKey);
    void settingsChanged(const QStringList& lstKeys);
    void refreshTiltSlider(const QString& strKey);
    void writeValues(const QList<QPair<QString, QVariant>>& lstValues);
    void report(const QString& strMessage);

    KeypadC* m_pKeypad = nullptr;
    QTabWidget* m_pTabs = nullptr;
    QLabel* m_pStatus = nullptr;
    QHash<QString, SettingControlC*> m_hashControls;
    QHash<QString, QSlider*> m_hashTiltSliders;
    QHash<QString, QLabel*> m_hashTiltTexts;
    int m_iWatcherId = -1;
};

} // namespace KPN
