#include "V40_GUI_AbstractValueWidget.h"

#include "V40_GUI_UTI_Trace.h"
#include "V40_GUI_ValueModel.h"

#include "Ferrolib/BSS_Assert.h"

#include <QApplication>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_AbstractValueWidget", __LINE__)

namespace V40 {
namespace GUI {

namespace {
AbstractValueWidgetC::BeepHookF s_fnBeepHook = nullptr;
}

AbstractValueWidgetC::AbstractValueWidgetC(ValueModelC* pModel, int iMode, QWidget* parent)
    : CustomFocusHandlingWidgetC(parent)
    , m_pModel(pModel ? pModel : new ValueModelC(this))
    , m_iMode(iMode)
{
    m_pModel->setParent(this);
    applyMode();
}

AbstractValueWidgetC::AbstractValueWidgetC(QWidget* parent)
    : AbstractValueWidgetC(nullptr, MODE_EDITABLE, parent)
{
}

AbstractValueWidgetC::~AbstractValueWidgetC() = default;

ValueModelC* AbstractValueWidgetC::getModel() const
{
    if (!m_pModel)
        V40_GUI_REPORT("m_pModel");
    return m_pModel;
}

int AbstractValueWidgetC::getMode() const
{
    return m_iMode;
}

void AbstractValueWidgetC::setMode(int iMode)
{
    m_iMode = iMode;
    applyMode();
}

QVariant AbstractValueWidgetC::getValue() const
{
    const ValueModelC* pModel = getModel();
    return pModel ? pModel->getValue() : QVariant();
}

void AbstractValueWidgetC::setValue(const QVariant& rvarValue)
{
    if (ValueModelC* pModel = getModel())
        pModel->setValue(rvarValue);
}

void AbstractValueWidgetC::refresh()
{
    setDisplayValue(modelToDisplayValue(getValue()));
}

void AbstractValueWidgetC::applyMode()
{
    const bool bEditable = (m_iMode == MODE_EDITABLE);
    setFocusPolicy(bEditable ? Qt::StrongFocus : Qt::NoFocus);
    if (!bEditable && hasFocus())
        clearFocus();
}

void AbstractValueWidgetC::beep()
{
    if (s_fnBeepHook)
        s_fnBeepHook();
    else
        QApplication::beep();
}

AbstractValueWidgetC::BeepHookF AbstractValueWidgetC::setBeepHook(BeepHookF fnHook)
{
    const BeepHookF fnPrevious = s_fnBeepHook;
    s_fnBeepHook = fnHook;
    return fnPrevious;
}

void AbstractValueWidgetC::OnModelValueChanged()
{
    traceSync("MODEL");
    if (!isInSync())
        refresh();
}

void AbstractValueWidgetC::OnWidgetValueChanged()
{
    traceSync("WIDGET");
    if (isInSync())
        return;
    const QVariant varModelValue = isAcceptable() ? displayToModelValue(getDisplayValue()) : QVariant();
    if (!varModelValue.isValid()) {
        beep();
        refresh();
        return;
    }
    setValue(varModelValue);
    // The model may refuse the value, or keep an equal one of another form ("5" for 5.00).
    if (!isInSync())
        refresh();
}

void AbstractValueWidgetC::traceSync(const char* strSide) const
{
    if (!UTI::isTraceEnabled())
        return;
    const QVariant varModelValue = m_pModel ? m_pModel->getValue() : QVariant();
    V40_TRACE << QStringLiteral("%1 value changed ('%2'): widget: %3   model: %4 (%5)\n")
                     .arg(QString::fromLatin1(strSide), objectName(), getDisplayValue().toString(),
                          varModelValue.toString(), QString::fromLatin1(varModelValue.typeName()));
}

} // namespace GUI
} // namespace V40
