#include "Quillbase/LOD_LGE_LoaderRegistry.h"

#include "Quillbase/LOD_LGE_BaseLoader.h"
#include "Quillbase/LOD_LGE_LoaderFactory.h"

#include <algorithm>

namespace LOD {
namespace LGE {

LoaderFactoryI::~LoaderFactoryI() = default;

LoaderRegistryC::LoaderRegistryC() = default;

LoaderRegistryC::~LoaderRegistryC() = default;

bool LoaderRegistryC::addLoaderFactory(LoaderFactoryI* pFactory)
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    if (!pFactory)
        return false;
    for (const EntryS& rEntry : m_lstEntries) {
        if (rEntry.pFactory == pFactory)
            return false;
    }
    m_lstEntries.append({pFactory, 0});
    return true;
}

bool LoaderRegistryC::removeLoaderFactory(LoaderFactoryI* pFactory)
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    auto fnFind = [this, pFactory] {
        return std::find_if(m_lstEntries.begin(), m_lstEntries.end(),
                            [pFactory](const EntryS& rEntry) { return rEntry.pFactory == pFactory; });
    };
    if (fnFind() == m_lstEntries.end())
        return false;
    m_oLoadEnded.wait(oLock, [&] {
        const auto itEntry = fnFind();
        return itEntry == m_lstEntries.end() || itEntry->iRunningLoads == 0;
    });
    const auto itEntry = fnFind();
    if (itEntry == m_lstEntries.end())
        return false;
    m_lstEntries.erase(itEntry);
    return true;
}

int LoaderRegistryC::factoryCount() const
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    return m_lstEntries.size();
}

LoaderC* LoaderRegistryC::createLoader(int iObjectType, LoaderFactoryI*& rpFactory)
{
    rpFactory = nullptr;
    std::lock_guard<std::mutex> oLock(m_oMutex);
    for (EntryS& rEntry : m_lstEntries) {
        if (LoaderC* pLoader = rEntry.pFactory->createLoader(iObjectType)) {
            ++rEntry.iRunningLoads;
            rpFactory = rEntry.pFactory;
            return pLoader;
        }
    }
    return nullptr;
}

void LoaderRegistryC::destroyLoader(LoaderFactoryI* pFactory, LoaderC* pLoader)
{
    if (!pFactory || !pLoader)
        return;
    pFactory->destroyLoader(pLoader);
    std::lock_guard<std::mutex> oLock(m_oMutex);
    for (EntryS& rEntry : m_lstEntries) {
        if (rEntry.pFactory == pFactory && rEntry.iRunningLoads > 0)
            --rEntry.iRunningLoads;
    }
    m_oLoadEnded.notify_all();
}

} // namespace LGE
} // namespace LOD
