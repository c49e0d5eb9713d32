#include "V40_GUI_ValueWidget.h"

#include "V40_GUI_FieldStyle.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_UTI_Trace.h"
#include "V40_GUI_ValueModel.h"
#include "V40_GUI_Validator.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_UTI_ScopedBoolResetter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QValidator>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_ValueWidget", __LINE__)

namespace V40 {
namespace GUI {

namespace {

constexpr int kFieldWidth = 228;
constexpr int kWideFieldWidth = 300;

bool isNumericType(int iType)
{
    switch (iType) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

ValueWidgetC::ValueWidgetC(ValueModelC* pModel, int iMode, QWidget* parent)
    : ValueWidgetC(pModel, iMode, parent, true)
{
}

ValueWidgetC::ValueWidgetC(QWidget* parent)
    : ValueWidgetC(nullptr, MODE_EDITABLE, parent, true)
{
}

ValueWidgetC::ValueWidgetC(ValueModelC* pModel, int iMode, QWidget* parent, bool bWithLineEdit)
    : AbstractValueWidgetC(pModel, iMode, parent)
    , m_iWidthMode(WIDTH_FIXED)
    , m_bInitialised(false)
    , m_bInKeyPress(false)
{
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    if (bWithLineEdit) {
        m_pLineEdit = new QLineEdit(this);
        // The field holds the focus and hands the keys on; the editor only shows the text, and a
        // click or setFocus() on it lands on the field.
        m_pLineEdit->setFocusPolicy(Qt::NoFocus);
        m_pLineEdit->setFocusProxy(this);
        m_pLineEdit->setReadOnly(true);
        m_pLineEdit->setPalette(fieldPalette(false));
        m_pLineEdit->setStyle(FieldStyleC::instance());
        FieldStyleC::instance()->setFocusPalette(fieldPalette(true));
        pLayout->addWidget(m_pLineEdit);
        connect(m_pLineEdit, SIGNAL(textEdited(const QString&)), this, SLOT(OnEdited(const QString&)));
        connect(m_pLineEdit, SIGNAL(selectionChanged()), this, SLOT(OnTextSelectionChanged()));
    }
    setWidthMode(WIDTH_FIXED);
    // One line high, however much room the panel has.
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    getModel()->reset(QString(), QString());
    connect(this, SIGNAL(valueChanged()), this, SLOT(OnWidgetValueChanged()));
    connect(getModel(), SIGNAL(valueChanged()), this, SLOT(OnModelValueChanged()));
}

ValueWidgetC::~ValueWidgetC() = default;

int ValueWidgetC::getWidthMode() const
{
    return m_iWidthMode;
}

void ValueWidgetC::setWidthMode(int iWidthMode)
{
    m_iWidthMode = iWidthMode;
    switch (iWidthMode) {
    case WIDTH_FIXED:
        setFixedWidth(kFieldWidth);
        break;
    case WIDTH_UP_TO_FIXED:
        setMinimumWidth(0);
        setMaximumWidth(kFieldWidth);
        break;
    case WIDTH_UP_TO_WIDE:
        setMinimumWidth(0);
        setMaximumWidth(kWideFieldWidth);
        break;
    default:
        break;
    }
}

QLineEdit* ValueWidgetC::getLineEdit() const
{
    return m_pLineEdit;
}

void ValueWidgetC::setValidator(QValidator* pValidator)
{
    QLineEdit* pLineEdit = lineEditOrReport();
    if (!pLineEdit)
        return;
    const QValidator* pPrevious = pLineEdit->validator();
    if (pValidator && !pValidator->parent())
        pValidator->setParent(this);
    pLineEdit->setValidator(pValidator);
    if (pPrevious && pPrevious != pValidator && pPrevious->parent() == this)
        delete pPrevious;
    refresh();
}

const QValidator* ValueWidgetC::getValidator() const
{
    return m_pLineEdit ? m_pLineEdit->validator() : nullptr;
}

void ValueWidgetC::setInputMask(const QString& strInputMask)
{
    QLineEdit* pLineEdit = lineEditOrReport();
    if (!pLineEdit)
        return;
    pLineEdit->setInputMask(strInputMask);
    refresh();
}

QString ValueWidgetC::getInputMask() const
{
    return m_pLineEdit ? m_pLineEdit->inputMask() : QString();
}

void ValueWidgetC::setUnitText(const QString& strUnitText)
{
    m_strUnitText = strUnitText;
}

QVariant ValueWidgetC::getDisplayValue() const
{
    const QLineEdit* pLineEdit = lineEditOrReport();
    return pLineEdit ? QVariant(pLineEdit->text()) : QVariant();
}

void ValueWidgetC::setDisplayValue(const QVariant& rvarDisplayValue)
{
    if (!rvarDisplayValue.isValid()) {
        V40_GUI_REPORT("varDisplayValue.isValid()");
        return;
    }
    QLineEdit* pLineEdit = lineEditOrReport();
    if (!pLineEdit)
        return;
    pLineEdit->setText(rvarDisplayValue.toString());
    if (hasFocus())
        selectForEditing();
}

QVariant ValueWidgetC::modelToDisplayValue(const QVariant& rvarModelValue) const
{
    if (!rvarModelValue.isValid())
        return ValidatorC::placeholderText();
    QString strText = rvarModelValue.toString();
    if (const QValidator* pValidator = getValidator())
        pValidator->fixup(strText);
    return strText;
}

QVariant ValueWidgetC::displayToModelValue(const QVariant& rvarDisplayValue) const
{
    if (!rvarDisplayValue.isValid()) {
        V40_GUI_REPORT("varDisplayValue.isValid()");
        return QVariant();
    }
    QString strText = rvarDisplayValue.toString();
    if (const QValidator* pValidator = getValidator())
        pValidator->fixup(strText);
    // The placeholder only shows that there is no value; it is never one.
    if (strText == ValidatorC::placeholderText())
        return QVariant();

    // Keep the type of the stored value, so that a number is written back as a number.
    const int iType = getValue().userType();
    if (iType == QMetaType::UnknownType || iType == QMetaType::QString)
        return strText;
    QVariant varConverted(strText.trimmed());
    if (varConverted.convert(iType))
        return varConverted;
    if (isNumericType(iType)) {
        // A whole number field that is given a fraction keeps the fraction.
        bool bOk = false;
        const double dValue = strText.trimmed().toDouble(&bOk);
        if (bOk)
            return dValue;
    }
    return QVariant();
}

bool ValueWidgetC::isInSync() const
{
    if (!m_pLineEdit)
        return true;
    return m_pLineEdit->text() == modelToDisplayValue(getValue()).toString();
}

bool ValueWidgetC::isAcceptable() const
{
    const QLineEdit* pLineEdit = lineEditOrReport();
    if (!pLineEdit)
        return false;
    bool bAcceptable = true;
    if (const QValidator* pValidator = pLineEdit->validator()) {
        QString strText = pLineEdit->text();
        pValidator->fixup(strText);
        int iPos = 0;
        bAcceptable = (pValidator->validate(strText, iPos) == QValidator::Acceptable);
    } else if (!pLineEdit->inputMask().isEmpty()) {
        // Without a validator the mask decides: every required position must be filled.
        bAcceptable = pLineEdit->hasAcceptableInput();
    }
    if (!bAcceptable) {
        V40_TRACE << QStringLiteral("Value %1 is not acceptable.\n").arg(pLineEdit->text());
    }
    return bAcceptable;
}

QString ValueWidgetC::getUnitText() const
{
    return m_strUnitText;
}

QWidget* ValueWidgetC::getEditor() const
{
    return m_pLineEdit;
}

void ValueWidgetC::setHighlighted(bool bHighlighted)
{
    if (m_pLineEdit)
        m_pLineEdit->setPalette(fieldPalette(bHighlighted));
}

void ValueWidgetC::OnEditingFinished()
{
    // A text that the validator can complete is committed complete (5 becomes 5'00"00).
    if (m_pLineEdit && m_pLineEdit->validator() && !m_pLineEdit->hasAcceptableInput()) {
        QString strText = m_pLineEdit->text();
        m_pLineEdit->validator()->fixup(strText);
        if (strText != m_pLineEdit->text())
            m_pLineEdit->setText(strText);
    }
    emit valueChanged();
}

void ValueWidgetC::OnEdited(const QString& strText)
{
    emit valueEdited(strText);
}

void ValueWidgetC::OnTextSelectionChanged()
{
    // Only the field with the focus is highlighted; a field without it shows no selection.
    if (m_pLineEdit && !hasFocus() && m_pLineEdit->hasSelectedText())
        m_pLineEdit->deselect();
}

QHBoxLayout* ValueWidgetC::getLayout() const
{
    return qobject_cast<QHBoxLayout*>(layout());
}

QPalette ValueWidgetC::fieldPalette(bool bHighlighted)
{
    QPalette oPalette;
    const QColor oBackground = bHighlighted ? g_oTitleColor : QColor(Qt::white);
    oPalette.setColor(QPalette::Base, oBackground);
    oPalette.setColor(QPalette::Window, oBackground);
    oPalette.setColor(QPalette::Text, Qt::black);
    oPalette.setColor(QPalette::WindowText, Qt::black);
    oPalette.setColor(QPalette::Highlight, bHighlighted ? g_oTitleColor.darker(160) : QColor(Qt::white));
    oPalette.setColor(QPalette::HighlightedText, bHighlighted ? QColor(Qt::white) : QColor(Qt::black));
    return oPalette;
}

void ValueWidgetC::showEvent(QShowEvent* pEvent)
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        refresh();
    }
    AbstractValueWidgetC::showEvent(pEvent);
}

void ValueWidgetC::focusInEvent(QFocusEvent* pEvent)
{
    setHighlighted(true);
    if (m_pLineEdit) {
        m_pLineEdit->setReadOnly(false);
        selectForEditing();
    }
    AbstractValueWidgetC::focusInEvent(pEvent);
}

void ValueWidgetC::focusOutEvent(QFocusEvent* pEvent)
{
    setHighlighted(false);
    if (m_pLineEdit) {
        m_pLineEdit->setReadOnly(true);
        m_pLineEdit->deselect();
    }
    const QPointer<ValueWidgetC> pThis(this);
    OnEditingFinished();
    if (pThis)
        AbstractValueWidgetC::focusOutEvent(pEvent);
}

void ValueWidgetC::keyPressEvent(QKeyEvent* pEvent)
{
    if (m_bInKeyPress) {
        // A key handed to the editor and left alone by it: let it travel on to the parents.
        pEvent->ignore();
        return;
    }
    BSS::UTI::ScopedBoolResetterC oGuard(&m_bInKeyPress);

    QLineEdit* pLineEdit = m_pLineEdit;
    if (!pLineEdit) {
        AbstractValueWidgetC::keyPressEvent(pEvent);
        return;
    }
    switch (pEvent->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
        AbstractValueWidgetC::keyPressEvent(pEvent);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        pEvent->accept();
        const QPointer<ValueWidgetC> pThis(this);
        OnEditingFinished();
        if (pThis)
            simulateTab();
        return;
    }
    default: {
        QKeyEvent oForwarded(pEvent->type(), pEvent->key(), pEvent->modifiers(), pEvent->text(),
                             pEvent->isAutoRepeat(), ushort(pEvent->count()));
        const QString strBefore = pLineEdit->text();
        const int iCursorBefore = pLineEdit->cursorPosition();
        const bool bSelectedBefore = pLineEdit->hasSelectedText();
        QCoreApplication::sendEvent(pLineEdit, &oForwarded);
        // A character that the validator or the mask refused left everything as it was.
        const QString strTyped = pEvent->text();
        if (!pLineEdit->isReadOnly() && !strTyped.isEmpty() && strTyped.at(0).isPrint()
            && pLineEdit->text() == strBefore && pLineEdit->cursorPosition() == iCursorBefore
            && pLineEdit->hasSelectedText() == bSelectedBefore)
            beep();
        // Either the editor took it or it has already gone up the parent chain.
        pEvent->accept();
        return;
    }
    }
}

QLineEdit* ValueWidgetC::lineEditOrReport() const
{
    if (!m_pLineEdit)
        V40_GUI_REPORT("pLineEdit");
    return m_pLineEdit;
}

void ValueWidgetC::selectForEditing()
{
    if (!m_pLineEdit->inputMask().isEmpty())
        m_pLineEdit->setCursorPosition(0);
    else
        m_pLineEdit->selectAll();
}

} // namespace GUI
} // namespace V40
