#pragma once
// A tile of the icon menu: picture, number and caption; its digit key selects it.
#include "V40_GUI_AbstractMenuItemWidget.h"

#include <QPixmap>

namespace V40 {
namespace GUI {

class IconMenuItemWidgetC : public AbstractMenuItemWidgetC
{
    Q_OBJECT

public:
    enum
    {
        WIDTH = 200,
        HEIGHT = 160
    };

    explicit IconMenuItemWidgetC(const MenuComponentPropertiesC& rProperties, QWidget* parent = nullptr);
    ~IconMenuItemWidgetC() override;

    QString indexLabel() const;
    QPixmap icon() const;

public slots:
    void onLocalIndexChanged(int iOldValue, int iNewValue) override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QString m_strIndexLabel;
    QPixmap m_oIcon;
};

} // namespace GUI
} // namespace V40
