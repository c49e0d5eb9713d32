#include "V40_GUI_FunctionKeyButton.h"

#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace V40 {
namespace GUI {

FunctionKeyButtonC::FunctionKeyButtonC(int iKey, const QString& strText, QWidget* parent)
    : QPushButton(parent)
    , m_iKey(iKey)
{
    setText(strText.isEmpty() ? defaultText() : strText);
    setFixedSize(104, 44);
    setFont(lookFont(16));
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("QPushButton {margin: 1px;border-color: black;border-style: solid;"
                                 "border-radius: 10px;border-width: 2px;}"
                                 "QPushButton:pressed {background-color: #C2C5C8;}")
                  + QStringLiteral("QPushButton {background-color:%1;}").arg(g_oBarColor.name()));
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

FunctionKeyButtonC::~FunctionKeyButtonC() = default;

int FunctionKeyButtonC::key() const
{
    return m_iKey;
}

QString FunctionKeyButtonC::defaultText() const
{
    return QStringLiteral("F%1").arg(m_iKey - Qt::Key_F1 + 1);
}

void FunctionKeyButtonC::onClicked()
{
    if (MainWindowC* pMainWindow = MainWindowC::instance())
        pMainWindow->simulateKeyPress(m_iKey);
}

// The six faces change at every screen, among a few labels: each look is drawn by the style
// sheet once and copied from then on.
void FunctionKeyButtonC::paintEvent(QPaintEvent*)
{
    QStyleOptionButton oOption;
    initStyleOption(&oOption);
    if (!isEnabled())
        oOption.text.clear();
    const qreal dRatio = devicePixelRatioF();
    const QString strKey = QStringLiteral("%1\n%2\n%3x%4@%5\n%6\n%7")
                               .arg(oOption.text)
                               .arg(int(oOption.state))
                               .arg(width())
                               .arg(height())
                               .arg(dRatio)
                               .arg(font().key())
                               .arg(palette().cacheKey());
    static QHash<QString, QPixmap> s_hashFaces;
    auto it = s_hashFaces.find(strKey);
    if (it == s_hashFaces.end()) {
        QPixmap oFace(size() * dRatio);
        oFace.setDevicePixelRatio(dRatio);
        oFace.fill(Qt::transparent);
        QStylePainter oFacePainter(&oFace, this);
        // What a painter on the button itself starts with.
        oFacePainter.setFont(font());
        oFacePainter.setPen(palette().color(foregroundRole()));
        oFacePainter.setBrush(palette().brush(backgroundRole()));
        oFacePainter.drawControl(QStyle::CE_PushButton, oOption);
        oFacePainter.end();
        it = s_hashFaces.insert(strKey, oFace);
    }
    QPainter oPainter(this);
    oPainter.drawPixmap(0, 0, it.value());
}

} // namespace GUI
} // namespace V40
