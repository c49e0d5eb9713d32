#pragma once
// A modal busy indicator over the main window: a text and an endless animation. Keys are
// swallowed while it is shown, so an operation in progress cannot be left half done.
#include <QDialog>
#include <QList>
#include <QPixmap>

class QLabel;
class QSpacerItem;
class QTimer;

namespace V40 {
namespace GUI {

class ProgressDialogC : public QDialog
{
    Q_OBJECT

public:
    enum OptionE
    {
        OPTION_NONE = 0x0,
        // Frames at half their height, for a dialog that must leave more of the screen visible.
        OPTION_SMALL_SIZE = 0x1
    };
    enum
    {
        FRAME_COUNT = 14,
        FRAME_INTERVAL_MS = 100
    };

    // The dialog's parent is the main window when pParent is null and one exists.
    explicit ProgressDialogC(const QString& strText, int iOptions = OPTION_NONE, QWidget* pParent = nullptr);
    ~ProgressDialogC() override;

    void setText(const QString& strText);
    QString text() const;
    int options() const;
    int frameCount() const;
    int currentFrame() const;
    QPixmap frame(int iFrame) const;

public slots:
    void changeImage();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    void loadFrames();
    QRect frameRect() const;

    QLabel* m_pTextLabel;
    QSpacerItem* m_pSpacer;
    QList<QPixmap> m_listFrames;
    int m_iCurrentFrame;
    int m_iOptions;
    QTimer* m_pTimer;
};

} // namespace GUI
} // namespace V40
