#include "LOD/LOD_KestraLoaderFactory.h"

#include "LOD/LOD_KestraLanguageLoader.h"

#include "Ferrolib/BSS_Assert.h"
#include "Quillbase/LOD_LGE_LoaderRegistry.h"

namespace LOD {

namespace {
const char* const s_szSource = "LOD_KestraLoaderFactory";
}

KestraLoaderFactoryC::KestraLoaderFactoryC() = default;

KestraLoaderFactoryC::~KestraLoaderFactoryC() = default;

LGE::LoaderC* KestraLoaderFactoryC::createLoader(int iObjectType)
{
    if (iObjectType != OBJECT_TYPE_LANGUAGE)
        return nullptr;
    return new KestraLanguageLoaderC;
}

void KestraLoaderFactoryC::destroyLoader(LGE::LoaderC* pLoader)
{
    delete pLoader;
}

bool KestraLoaderFactoryC::registerWith(LGE::LoaderRegistryC* pLoaderRegistry)
{
    if (!pLoaderRegistry) {
        BSS_ASSERT_REPORT("pLoaderRegistry", s_szSource, 101);
        return false;
    }
    return pLoaderRegistry->addLoaderFactory(this);
}

bool KestraLoaderFactoryC::unregisterFrom(LGE::LoaderRegistryC* pLoaderRegistry)
{
    if (!pLoaderRegistry) {
        BSS_ASSERT_REPORT("pLoaderRegistry", s_szSource, 114);
        return false;
    }
    return pLoaderRegistry->removeLoaderFactory(this);
}

} // namespace LOD
