#include "KPN_Keypad.h"

#include "Ferrolib/BSS_SIM_Simulator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVariant>
#include <QVBoxLayout>

namespace KPN {

namespace {

const char* const kKeyProperty = "kpnKey";

struct KeyS
{
    int iKey;
    const char* szLabel;
    int iRow;
    int iColumn;
};

// Digits as on a telephone pad, the arrows as a cross around Enter.
const KeyS kDigits[] = {{Qt::Key_7, "7", 0, 0}, {Qt::Key_8, "8", 0, 1},      {Qt::Key_9, "9", 0, 2},
                        {Qt::Key_4, "4", 1, 0}, {Qt::Key_5, "5", 1, 1},      {Qt::Key_6, "6", 1, 2},
                        {Qt::Key_1, "1", 2, 0}, {Qt::Key_2, "2", 2, 1},      {Qt::Key_3, "3", 2, 2},
                        {Qt::Key_0, "0", 3, 0}, {Qt::Key_Period, ".", 3, 1}, {Qt::Key_Minus, "-", 3, 2}};
const KeyS kArrows[] = {{Qt::Key_Escape, "Esc", 0, 0}, {Qt::Key_Up, "\u25b2", 0, 1},  {Qt::Key_Tab, "Tab", 0, 2},
                        {Qt::Key_Left, "\u25c0", 1, 0}, {Qt::Key_Return, "Enter", 1, 1}, {Qt::Key_Right, "\u25b6", 1, 2},
                        {Qt::Key_Down, "\u25bc", 2, 1}};

} // namespace

KeypadC::KeypadC(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pFunctionRow = new QHBoxLayout;
    for (int i = 0; i < 6; ++i)
        pFunctionRow->addWidget(addKey(Qt::Key_F1 + i, QStringLiteral("F%1").arg(i + 1)));

    auto* pDigits = new QGridLayout;
    for (const KeyS& rKey : kDigits)
        pDigits->addWidget(addKey(rKey.iKey, QString::fromUtf8(rKey.szLabel)), rKey.iRow, rKey.iColumn);
    auto* pArrows = new QGridLayout;
    for (const KeyS& rKey : kArrows)
        pArrows->addWidget(addKey(rKey.iKey, QString::fromUtf8(rKey.szLabel)), rKey.iRow, rKey.iColumn);
    pArrows->addWidget(addKey(LEVEL_KEY, tr("Level"), tr("The level key: opens the level screen")), 3, 0, 1, 3);

    auto* pPads = new QHBoxLayout;
    pPads->addLayout(pDigits);
    pPads->addSpacing(12);
    pPads->addLayout(pArrows);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addLayout(pFunctionRow);
    pLayout->addLayout(pPads);
}

QAbstractButton* KeypadC::button(int iKey) const
{
    for (QAbstractButton* pButton : findChildren<QAbstractButton*>()) {
        if (pButton->property(kKeyProperty).toInt() == iKey)
            return pButton;
    }
    return nullptr;
}

QAbstractButton* KeypadC::addKey(int iKey, const QString& strLabel, const QString& strTip)
{
    auto* pButton = new QToolButton(this);
    pButton->setText(strLabel);
    pButton->setToolTip(strTip);
    pButton->setProperty(kKeyProperty, iKey);
    pButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Not the panel's own focus: the keys belong to the toolkit.
    pButton->setFocusPolicy(Qt::NoFocus);
    pButton->setAutoRepeat(iKey != LEVEL_KEY);
    connect(pButton, &QToolButton::clicked, this, [this, iKey, strLabel] { press(iKey, strLabel); });
    return pButton;
}

void KeypadC::press(int iKey, const QString& strLabel)
{
    const bool bPressed = iKey == LEVEL_KEY ? BSS::SIM::pressLevelKey()
                                            : BSS::SIM::pressKey(QStringLiteral("KestraToolkit"), iKey);
    if (!bPressed)
        emit failed(tr("No KestraToolkit window to press %1 in.").arg(strLabel));
}

} // namespace KPN
