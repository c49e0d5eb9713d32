#pragma once
// The level screen: the round, vertical and horizontal bubble, the L and T inclinations in the
// user's angle unit and, on instruments with a laser plummet, its intensity.
#include <QPointer>
#include <QWidget>

namespace V40 {
namespace GUI {
class ComboWidgetC;
class HLabeledWidgetC;
} // namespace GUI
} // namespace V40

namespace KTX {
namespace APP {

class LevelLaserPlummetModelC;
class LevelWidgetC;

class LevelLaserPlummetPanelC : public QWidget
{
    Q_OBJECT

public:
    // The plummet intensities offered, in percent.
    static const QList<int>& plummetIntensities();

    LevelLaserPlummetPanelC(LevelLaserPlummetModelC* pModel, QWidget* parent = nullptr);
    ~LevelLaserPlummetPanelC() override;

    LevelWidgetC* getRoundBubble() const;
    LevelWidgetC* getVerticalBubble() const;
    LevelWidgetC* getHorizontalBubble() const;
    V40::GUI::HLabeledWidgetC* getLRow() const;
    V40::GUI::HLabeledWidgetC* getTRow() const;
    // Null without a laser plummet.
    V40::GUI::ComboWidgetC* getPlummetInputWidget() const;
    // Whether it shows what would be built now: the angle unit, the plummet row and its intensity.
    bool isUpToDate() const;

signals:
    void laserPlummetIntensityChanged(int iLaserPlummetIntensity);

public slots:
    void onInclinationsChanged(double dLInclination, double dTInclination);
    void onInclinationsInvalid();
    void onLaserPlummetIntensityChanged();

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    V40::GUI::HLabeledWidgetC* newAngleRow(int iLabelToken, const QVariant& rvarAngleUnit);
    void addPlummetRow();
    void alignCaptions();

    QPointer<LevelLaserPlummetModelC> m_pLevelLaserPlummetModel;
    LevelWidgetC* m_pRoundBubble;
    LevelWidgetC* m_pVerticalBubble;
    LevelWidgetC* m_pHorizontalBubble;
    V40::GUI::HLabeledWidgetC* m_pLRow;
    V40::GUI::HLabeledWidgetC* m_pTRow;
    V40::GUI::ComboWidgetC* m_pPlummetInputWidget;
    V40::GUI::HLabeledWidgetC* m_pPlummetRow;
    // The rows show a reading (else they are empty).
    bool m_bShowingValues;
    // What the panel was built with; the preset is -1 without a plummet row.
    int m_iAngleUnit;
    int m_iPlummetPreset;
};

} // namespace APP
} // namespace KTX
