#pragma once
// An electronic bubble: a vial (the background image) with a bubble that moves with the
// instrument's inclinations, along one axis or both. Beyond 1 gon, or for an invalid reading,
// the vial is empty.
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace KTX {
namespace APP {

class LevelWidgetC : public QWidget
{
    Q_OBJECT

public:
    enum AxisE
    {
        AXIS_VERTICAL = 1,   // the bubble moves up and down (L)
        AXIS_HORIZONTAL = 2  // the bubble moves left and right (T)
    };

    // Pixels of bubble travel per radian, and the farthest the bubble travels from the centre.
    static constexpr double PIXELS_PER_RADIAN = 50000.0;
    static constexpr double MAX_OFFSET = 75.0;
    // Beyond 1 gon either way no bubble is drawn.
    static constexpr double MAX_VALID_INCLINATION = 3.14159265358979323846 / 200.0;

    LevelWidgetC(const QString& strBubbleImage, const QString& strBackgroundImage, int iAxes,
                 QWidget* parent = nullptr);
    ~LevelWidgetC() override;

    // The bubble's offset from the centre for the inclinations (rad), before the axes apply.
    static QPointF bubbleOffset(double dLInclination, double dTInclination);

    bool isValid() const;
    // Where the bubble's image is drawn; null while no bubble is drawn.
    QPoint bubblePosition() const;

public slots:
    void setInclinations(double dLInclination, double dTInclinations);
    void setInvalid();

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bValid;
    double m_dLInclination;
    double m_dTInclination;
    int m_iOffsetX;
    int m_iOffsetY;
    QPixmap m_oBackgroundPixmap;
    QPixmap m_oBubblePixmap;
    double m_dCentreX;
    double m_dCentreY;
    double m_dFactorX;
    double m_dFactorY;
};

} // namespace APP
} // namespace KTX
