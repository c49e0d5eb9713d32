#pragma once
// What the field tests share: a shown, active window and the framework's debug lines.
#include "V40_GUI_UTI_Trace.h"

#include <QApplication>
#include <QStringList>
#include <QtTest>

namespace FieldTest {

inline bool showActive(QWidget& rWindow)
{
    rWindow.show();
    QApplication::setActiveWindow(&rWindow);
    return QTest::qWaitForWindowActive(&rWindow);
}

// Switches the trace on and collects the debug lines while it lives.
class TraceCaptureC
{
public:
    TraceCaptureC()
    {
        s_lstLines.clear();
        m_fnPrevious = qInstallMessageHandler(&TraceCaptureC::handler);
        V40::GUI::UTI::setTraceEnabled(true);
    }
    ~TraceCaptureC()
    {
        V40::GUI::UTI::setTraceEnabled(false);
        qInstallMessageHandler(m_fnPrevious);
    }
    QStringList lines() const { return s_lstLines; }

private:
    static void handler(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
    {
        if (eType == QtDebugMsg)
            s_lstLines << strMessage.trimmed();
    }
    static inline QStringList s_lstLines;
    QtMessageHandler m_fnPrevious;
};

} // namespace FieldTest
