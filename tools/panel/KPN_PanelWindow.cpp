#include "KPN_PanelWindow.h"

#include "KPN_Keypad.h"
#include "KPN_SettingControl.h"

#include "Ferrolib/BSS_SIM_Simulator.h"
#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace KPN {

namespace {

const double kPi = 3.14159265358979323846;

// The pages of settings, by the start of their keys; the first that matches takes a setting,
// and a setting no page names goes to the last one, so that every row of the table has a control.
struct PageS
{
    const char* szTitle;
    QStringList lstPrefixes;
};

const QList<PageS>& pages()
{
    static const QList<PageS> s_lstPages{
        {"Tilt", {"Sensor/", "Telescope/"}},
        {"Instrument",
         {"Configuration/SDCard", "Settings/", "Switches/", "Capability/", "LaserPlummet/", "Options/", "EDM/", "Clock/",
          "Events/CorrectionDataChanged"}},
        {"Errors", {"Adjustment/", "Measurement/"}},
        {"Devices", {"Configuration/", "Devices/", "Events/DeviceAttached"}},
        {"Identity", {"Identity/", "Versions/"}},
        {"Other", {}}};
    return s_lstPages;
}

int pageOf(const QString& strKey)
{
    for (int i = 0; i < pages().size(); ++i) {
        for (const QString& strPrefix : pages().at(i).lstPrefixes) {
            if (strKey.startsWith(strPrefix))
                return i;
        }
    }
    return pages().size() - 1;
}

// The tilt sliders reach twice the compensator's default range, in microradians; the field
// beside takes the whole range.
const int kTiltSliderRange = 2400;

// Targets for the calibration: zenith angles in face I.
const double kHorizontalTargetV = kPi / 2;  // 100 gon
const double kSteepTargetV = kPi / 4;       // 50 gon

QString gonText(double dRadians)
{
    return QStringLiteral("%1 gon").arg(dRadians * 200.0 / kPi, 0, 'f', 4);
}

QScrollArea* scrolled(QWidget* pPage)
{
    auto* pArea = new QScrollArea;
    pArea->setWidget(pPage);
    pArea->setWidgetResizable(true);
    pArea->setFrameShape(QFrame::NoFrame);
    return pArea;
}

} // namespace

PanelWindowC::PanelWindowC(QWidget* pParent)
    : QWidget(pParent)
    , m_pKeypad(new KeypadC(this))
    , m_pTabs(new QTabWidget(this))
    , m_pStatus(new QLabel(this))
{
    setWindowTitle(tr("Vela40 instrument panel"));
    m_pStatus->setWordWrap(true);
    connect(m_pKeypad, &KeypadC::failed, this, &PanelWindowC::report);

    QList<QFormLayout*> lstForms;
    for (int i = 0; i < pages().size(); ++i) {
        auto* pPage = i == 0 ? makeTiltAndTelescopePage() : new QWidget;
        lstForms << (i == 0 ? static_cast<QFormLayout*>(pPage->layout()) : new QFormLayout(pPage));
        m_pTabs->addTab(scrolled(pPage), tr(pages().at(i).szTitle));
    }
    for (const VSIM::SettingS& rSetting : VSIM::settingTable()) {
        if (!m_hashControls.contains(rSetting.strKey))
            addControl(lstForms.at(pageOf(rSetting.strKey)), rSetting.strKey);
    }
    lstForms.at(pageOf(QStringLiteral("Devices/")))->addRow(makeDevicesExtras());
    // A page without settings (Other, while every row has its page) is not shown.
    for (int i = m_pTabs->count() - 1; i > 0; --i) {
        if (lstForms.at(i)->rowCount() == 0)
            m_pTabs->removeTab(i);
    }

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(6, 6, 6, 6);
    pLayout->addWidget(m_pKeypad);
    pLayout->addWidget(m_pTabs, 1);
    pLayout->addWidget(m_pStatus);
    // Beside a 640x480 toolkit window.
    resize(420, 480);

    m_iWatcherId = VSIM::SettingsWatcherC::subscribe([this](const QStringList& lstKeys) {
        // On the watcher's thread: taken over by the panel's own.
        QMetaObject::invokeMethod(this, [this, lstKeys] { settingsChanged(lstKeys); }, Qt::QueuedConnection);
    });
}

PanelWindowC::~PanelWindowC()
{
    VSIM::SettingsWatcherC::unsubscribe(m_iWatcherId);
}

QWidget* PanelWindowC::makeTiltAndTelescopePage()
{
    auto* pPage = new QWidget;
    auto* pForm = new QFormLayout(pPage);
    addTiltSlider(pForm, QStringLiteral("Sensor/TiltL"), tr("Tilt L"));
    addTiltSlider(pForm, QStringLiteral("Sensor/TiltT"), tr("Tilt T"));
    auto* pLevel = new QPushButton(tr("Level the instrument"));
    connect(pLevel, &QPushButton::clicked, this,
            [this] { writeValues({{"Sensor/TiltL", 0.0}, {"Sensor/TiltT", 0.0}}); });
    pForm->addRow(pLevel);
    for (const char* szKey : {"Sensor/TiltL", "Sensor/TiltT", "Sensor/TiltNoise", "Sensor/CompensatorRange",
                               "Telescope/Hz", "Telescope/V"})
        addControl(pForm, QString::fromLatin1(szKey));

    auto* pHorizontal = new QPushButton(tr("Horizontal target"));
    pHorizontal->setToolTip(tr("Telescope V to 100 gon"));
    connect(pHorizontal, &QPushButton::clicked, this, [this] { writeValues({{"Telescope/V", kHorizontalTargetV}}); });
    auto* pSteep = new QPushButton(tr("Steep target"));
    pSteep->setToolTip(tr("Telescope V to 50 gon"));
    connect(pSteep, &QPushButton::clicked, this, [this] { writeValues({{"Telescope/V", kSteepTargetV}}); });
    auto* pFace = new QPushButton(tr("Change face"));
    pFace->setToolTip(tr("The telescope through: Hz + 200 gon, V = 400 gon - V"));
    connect(pFace, &QPushButton::clicked, this, [this] {
        const double dHz = std::fmod(VSIM::SettingsC::doubleValue(QStringLiteral("Telescope/Hz")) + kPi, 2 * kPi);
        const double dV = 2 * kPi - VSIM::SettingsC::doubleValue(QStringLiteral("Telescope/V"));
        writeValues({{"Telescope/Hz", dHz}, {"Telescope/V", std::fmod(dV, 2 * kPi)}});
    });
    auto* pTargets = new QHBoxLayout;
    pTargets->addWidget(pHorizontal);
    pTargets->addWidget(pSteep);
    pTargets->addWidget(pFace);
    pForm->addRow(pTargets);
    return pPage;
}

QWidget* PanelWindowC::makeDevicesExtras()
{
    auto* pBox = new QWidget;
    auto* pRow = new QHBoxLayout(pBox);
    pRow->setContentsMargins(0, 0, 0, 0);
    auto* pType = new QSpinBox;
    pType->setRange(0, 255);
    pType->setValue(63);
    auto* pAttach = new QPushButton(tr("Attach device"));
    pAttach->setToolTip(tr("Reports an attached hot-shoe device of this type (63 and 71 are known)"));
    connect(pAttach, &QPushButton::clicked, this, [this, pType] {
        QString strError;
        if (!BSS::SIM::attachDevice(pType->value(), &strError))
            report(strError);
    });
    pRow->addWidget(new QLabel(tr("Device type")));
    pRow->addWidget(pType);
    pRow->addWidget(pAttach);
    pRow->addStretch();
    return pBox;
}

void PanelWindowC::addTiltSlider(QFormLayout* pForm, const QString& strKey, const QString& strLabel)
{
    auto* pSlider = new QSlider(Qt::Horizontal);
    pSlider->setRange(-kTiltSliderRange, kTiltSliderRange);
    pSlider->setToolTip(tr("%1 in microradians; the field below takes the whole range").arg(strKey));
    auto* pText = new QLabel;
    pText->setMinimumWidth(pText->fontMetrics().horizontalAdvance(QStringLiteral("-0.0000 gon ")));
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(pSlider, 1);
    pRow->addWidget(pText);
    pForm->addRow(strLabel, pRow);
    m_hashTiltSliders.insert(strKey, pSlider);
    m_hashTiltTexts.insert(strKey, pText);
    // While dragged, every step goes to the instrument at once: the bubble follows the hand.
    connect(pSlider, &QSlider::valueChanged, this, [this, strKey](int iMicroRadians) {
        writeValues({{strKey, iMicroRadians * 1e-6}});
    });
    refreshTiltSlider(strKey);
}

SettingControlC* PanelWindowC::addControl(QFormLayout* pForm, const QString& strKey)
{
    const VSIM::SettingS* pSetting = VSIM::findSetting(strKey);
    if (!pSetting)
        return nullptr;
    auto* pControl = new SettingControlC(*pSetting);
    connect(pControl, &SettingControlC::refused, this, &PanelWindowC::report);
    auto* pLabel = new QLabel(pSetting->strKey.section('/', 1));
    pLabel->setToolTip(pControl->toolTip());
    pForm->addRow(pLabel, pControl);
    m_hashControls.insert(pSetting->strKey, pControl);
    return pControl;
}

void PanelWindowC::settingsChanged(const QStringList& lstKeys)
{
    for (const QString& strKey : lstKeys) {
        if (SettingControlC* pControl = m_hashControls.value(strKey))
            pControl->refresh();
        if (m_hashTiltSliders.contains(strKey))
            refreshTiltSlider(strKey);
    }
}

void PanelWindowC::refreshTiltSlider(const QString& strKey)
{
    const double dTilt = VSIM::SettingsC::doubleValue(strKey);
    QSlider* pSlider = m_hashTiltSliders.value(strKey);
    const QSignalBlocker oBlocker(pSlider);
    pSlider->setValue(static_cast<int>(std::lround(dTilt * 1e6)));
    m_hashTiltTexts.value(strKey)->setText(gonText(dTilt));
}

void PanelWindowC::writeValues(const QList<QPair<QString, QVariant>>& lstValues)
{
    QString strError;
    if (!VSIM::SettingsC::setValues(lstValues, VSIM::WRITER_USER, &strError))
        report(strError);
    // The watcher tells the controls; the slider's own text follows at once.
    for (const auto& rValue : lstValues) {
        if (m_hashTiltTexts.contains(rValue.first))
            m_hashTiltTexts.value(rValue.first)->setText(gonText(VSIM::SettingsC::doubleValue(rValue.first)));
    }
}

void PanelWindowC::report(const QString& strMessage)
{
    m_pStatus->setText(strMessage);
}

} // namespace KPN
