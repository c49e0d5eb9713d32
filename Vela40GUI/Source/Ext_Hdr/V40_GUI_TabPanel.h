#pragma once
// Up to four pages on top of each other; from the second page on, a band of page headers above
// them shows which page is in front.
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QStackedWidget;
class QVBoxLayout;

namespace V40 {
namespace GUI {

class TabPanelC : public QWidget
{
    Q_OBJECT

public:
    enum
    {
        COUNTMAX = 4,
        // Height of the band in which a click picks a page, and the margin kept free above the
        // pages for it.
        HEADER_HEIGHT = 40,
        HEADER_MARGIN = 42,
        HEADER_WIDTH = 152
    };

    explicit TabPanelC(QWidget* parent = nullptr);
    ~TabPanelC() override;

    // Appends pWidget as the last page (the panel takes it over). A fifth page is reported and
    // ignored.
    void addTab(QWidget* pWidget);
    int count() const;
    QWidget* widget(int iTab) const;
    int currentIndex() const;
    void setCurrentIndex(int iTab);
    // Where the header of page iTab is drawn (and clicked).
    QRect headerRect(int iTab) const;

    void setVisible(bool bVisible) override;

signals:
    void currentTabChanged(int iTab);

public slots:
    void onNextTab();
    void onPreviousTab();
    void onCurrentIndexChanged(int iTab);

protected:
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // The band of page headers, drawn once for the panel as it is now.
    const QPixmap& headerBand();

    QPointer<QStackedWidget> m_pStackedWidget;
    QVBoxLayout* m_pLayout;
    QPixmap m_oHeaderBand;
    QString m_strHeaderBandKey;
};

} // namespace GUI
} // namespace V40
