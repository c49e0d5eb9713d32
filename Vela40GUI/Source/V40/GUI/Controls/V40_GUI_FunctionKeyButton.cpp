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

namespace {

// What a face looks like; compared as it is, since building a text of it each paint cost more
// than copying the face. The palette by its colours: the style sheet gives every button a palette
// of its own, with a key of its own.
struct FaceKeyS
{
    QString strText;
    int iState;
    QSize oSize;
    qreal dRatio;
    QFont oFont;
    QPalette oPalette;

    bool operator==(const FaceKeyS& rOther) const
    {
        return strText == rOther.strText && iState == rOther.iState && oSize == rOther.oSize && dRatio == rOther.dRatio
            && oFont == rOther.oFont && oPalette == rOther.oPalette;
    }
};

uint qHash(const FaceKeyS& rKey, uint uSeed = 0)
{
    return ::qHash(rKey.strText, uSeed) ^ ::qHash(rKey.iState) ^ ::qHash(rKey.oSize.width() << 16 | rKey.oSize.height())
        ^ ::qHash(rKey.oFont);
}

} // namespace

// The six faces change at every screen, among a few labels: each look is drawn by the style
// sheet once and copied from then on.
void FunctionKeyButtonC::paintEvent(QPaintEvent*)
{
    QStyleOptionButton oOption;
    initStyleOption(&oOption);
    if (!isEnabled())
        oOption.text.clear();
    QPainter oPainter(this);
    oPainter.drawPixmap(0, 0, face(oOption));
}

void FunctionKeyButtonC::prepareFace(const QString& strText, bool bEnabled)
{
    // The option this button would paint with, labelled or disabled (as QWidget::palette() and
    // QStyleOption::initFrom() make it), without touching the button. Polished as for its first
    // paint (a button that was shown already is).
    ensurePolished();
    QStyleOptionButton oOption;
    initStyleOption(&oOption);
    if (bEnabled) {
        oOption.text = strText;
        oOption.state |= QStyle::State_Enabled;
        oOption.palette.setCurrentColorGroup(!isVisible() || isActiveWindow() ? QPalette::Active : QPalette::Inactive);
    } else {
        oOption.text.clear();
        oOption.state &= ~QStyle::State_Enabled;
        oOption.palette.setCurrentColorGroup(QPalette::Disabled);
    }
    face(oOption);
}

const QPixmap& FunctionKeyButtonC::face(const QStyleOptionButton& rOption)
{
    const qreal dRatio = devicePixelRatioF();
    const FaceKeyS oKey{rOption.text, int(rOption.state), size(), dRatio, font(), rOption.palette};
    static QHash<FaceKeyS, QPixmap> s_hashFaces;
    auto it = s_hashFaces.find(oKey);
    if (it == s_hashFaces.end()) {
        QPixmap oFace(size() * dRatio);
        oFace.setDevicePixelRatio(dRatio);
        oFace.fill(Qt::transparent);
        QStylePainter oFacePainter(&oFace, this);
        // What a painter on the button itself starts with.
        oFacePainter.setFont(font());
        oFacePainter.setPen(rOption.palette.color(foregroundRole()));
        oFacePainter.setBrush(rOption.palette.brush(backgroundRole()));
        oFacePainter.drawControl(QStyle::CE_PushButton, rOption);
        oFacePainter.end();
        it = s_hashFaces.insert(oKey, oFace);
    }
    return it.value();
}

} // namespace GUI
} // namespace V40
