#pragma once
// What the field tests share: a shown, active window and the framework's debug lines.
#include "KestraTest.h"

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
class TraceCaptureC : public KestraTest::DebugCaptureC
{
public:
    TraceCaptureC()
        : KestraTest::DebugCaptureC(true)
    {
    }
};

} // namespace FieldTest
