#include "ModuleManager.h"

#include "Corvane/CMDL_Module.h"
#include "Ferrolib/BSS_Trace.h"

#include <QCoreApplication>
#include <QList>
#include <QThread>

#include <mutex>
#include <utility>

namespace CMDL {
namespace ModuleManager {

namespace {

struct ModulesS
{
    std::recursive_mutex oMutex;
    QList<ModuleFactoryI*> lstFactories;
    QList<std::pair<ModuleFactoryI*, ModuleI*>> lstModules;
};

ModulesS& modules()
{
    static ModulesS s_oModules;
    return s_oModules;
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Modules");
    return s_oTrace;
}

} // namespace

bool registerFactory(bool bRegister, ModuleFactoryI* pFactory)
{
    if (!pFactory)
        return false;
    std::lock_guard<std::recursive_mutex> oLock(modules().oMutex);
    if (bRegister) {
        if (!modules().lstFactories.contains(pFactory))
            modules().lstFactories.append(pFactory);
        return true;
    }
    modules().lstFactories.removeOne(pFactory);
    return true;
}

int factoryCount()
{
    std::lock_guard<std::recursive_mutex> oLock(modules().oMutex);
    return modules().lstFactories.size();
}

void createAndInitModules()
{
    std::lock_guard<std::recursive_mutex> oLock(modules().oMutex);
    QList<ModuleI*> lstCreated;
    for (ModuleFactoryI* pFactory : modules().lstFactories) {
        bool bHasModule = false;
        for (const auto& rEntry : modules().lstModules)
            bHasModule = bHasModule || rEntry.first == pFactory;
        if (bHasModule)
            continue;
        if (ModuleI* pModule = pFactory->createModule()) {
            modules().lstModules.append({pFactory, pModule});
            lstCreated.append(pModule);
        }
    }
    for (ModuleI* pModule : lstCreated)
        pModule->initModule(1);
    for (ModuleI* pModule : lstCreated)
        pModule->registerServices(1);
    trace().write("%d module(s) created and initialised.\n", int(lstCreated.size()));
}

void startModules()
{
    std::lock_guard<std::recursive_mutex> oLock(modules().oMutex);
    for (const auto& rEntry : modules().lstModules)
        rEntry.second->startModule(1);
}

void stopAndDestroyModules(int iWaitMs)
{
    QList<std::pair<ModuleFactoryI*, ModuleI*>> lstModules;
    {
        std::lock_guard<std::recursive_mutex> oLock(modules().oMutex);
        lstModules.swap(modules().lstModules);
    }
    for (const auto& rEntry : lstModules) {
        if (!rEntry.second->waitUntilStopped(iWaitMs))
            trace().write("A module did not stop within %d ms.\n", iWaitMs);
    }
    if (lstModules.isEmpty())
        return;
    const auto fnTearDown = [&lstModules] {
        for (auto it = lstModules.crbegin(); it != lstModules.crend(); ++it)
            it->second->stopModule(1);
        for (auto it = lstModules.crbegin(); it != lstModules.crend(); ++it)
            it->second->unregisterServices(1);
        for (auto it = lstModules.crbegin(); it != lstModules.crend(); ++it)
            it->second->deinitModule(1);
        for (auto it = lstModules.crbegin(); it != lstModules.crend(); ++it)
            delete it->second;
    };
    // The modules were made on the application's thread and hold its GUI objects: they are
    // taken down there too, while its loop still runs.
    QCoreApplication* pApplication = QCoreApplication::instance();
    if (!pApplication || QThread::currentThread() == pApplication->thread())
        fnTearDown();
    else
        QMetaObject::invokeMethod(pApplication, fnTearDown, Qt::BlockingQueuedConnection);
}

int moduleCount()
{
    std::lock_guard<std::recursive_mutex> oLock(modules().oMutex);
    return modules().lstModules.size();
}

} // namespace ModuleManager
} // namespace CMDL
