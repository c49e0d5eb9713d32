// The platform's re-entrancy guard, as the value widgets' key handling uses it.
#include "KestraTest.h"

#include "Ferrolib/BSS_UTI_ScopedBoolResetter.h"

#include <type_traits>

namespace {

// A handler guarded the way the value widgets guard their key handling.
struct GuardedHandlerS
{
    bool bBusy = false;
    int iHandled = 0;
    int iRefused = 0;

    void handle(int iDepth)
    {
        if (bBusy) {
            ++iRefused;
            return;
        }
        BSS::UTI::ScopedBoolResetterC oGuard(&bBusy);
        ++iHandled;
        if (iDepth > 0)
            handle(iDepth - 1); // re-entered while busy: refused
    }
};

} // namespace

class TestScopedBoolResetter : public QObject
{
    Q_OBJECT

private slots:
    void setsAndClears()
    {
        bool bFlag = false;
        {
            BSS::UTI::ScopedBoolResetterC oGuard(&bFlag);
            QVERIFY(bFlag);
        }
        QVERIFY(!bFlag);
        bFlag = true; // cleared on destruction even when it was set before
        {
            BSS::UTI::ScopedBoolResetterC oGuard(bFlag);
            QVERIFY(bFlag);
        }
        QVERIFY(!bFlag);
    }

    void nullPointerIsHarmless()
    {
        BSS::UTI::ScopedBoolResetterC oGuard(static_cast<bool*>(nullptr));
        Q_UNUSED(oGuard);
    }

    void guardsReentrancy()
    {
        GuardedHandlerS oHandler;
        oHandler.handle(3);
        QCOMPARE(oHandler.iHandled, 1);
        QCOMPARE(oHandler.iRefused, 1);
        QVERIFY(!oHandler.bBusy);
        oHandler.handle(0); // free again afterwards
        QCOMPARE(oHandler.iHandled, 2);
    }

    void notCopyable()
    {
        QVERIFY(!std::is_copy_constructible<BSS::UTI::ScopedBoolResetterC>::value);
        QVERIFY(!std::is_copy_assignable<BSS::UTI::ScopedBoolResetterC>::value);
    }
};

KESTRA_TEST_MAIN(TestScopedBoolResetter)
#include "tst_BSS_UTI_ScopedBoolResetter.moc"
