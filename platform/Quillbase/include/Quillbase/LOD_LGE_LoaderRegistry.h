#pragma once
// The factories that receive uploads. The update service asks them in the order added for a
// loader of an object's type.
#include <QList>

#include <condition_variable>
#include <mutex>

namespace LOD {
namespace LGE {

class LoaderC;
class LoaderFactoryI;

class LoaderRegistryC
{
public:
    LoaderRegistryC();
    ~LoaderRegistryC();
    LoaderRegistryC(const LoaderRegistryC&) = delete;
    LoaderRegistryC& operator=(const LoaderRegistryC&) = delete;

    // False for null or a factory that is already there.
    bool addLoaderFactory(LoaderFactoryI* pFactory);
    // Waits until the factory's running loads have ended, so its loaders never outlive it;
    // false when it was not registered.
    bool removeLoaderFactory(LoaderFactoryI* pFactory);
    int factoryCount() const;

    // A loader for the object type and the factory that made it, or null. Every loader
    // obtained here is handed back through destroyLoader.
    LoaderC* createLoader(int iObjectType, LoaderFactoryI*& rpFactory);
    void destroyLoader(LoaderFactoryI* pFactory, LoaderC* pLoader);

private:
    struct EntryS
    {
        LoaderFactoryI* pFactory;
        int iRunningLoads;
    };

    mutable std::mutex m_oMutex;
    std::condition_variable m_oLoadEnded;
    QList<EntryS> m_lstEntries;
};

} // namespace LGE
} // namespace LOD
