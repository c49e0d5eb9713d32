#pragma once
// Creates the language loader for uploaded translation objects.
#include "Quillbase/LOD_LGE_LoaderFactory.h"

namespace LOD {

namespace LGE {
class LoaderRegistryC;
}

class KestraLoaderFactoryC : public LGE::LoaderFactoryI
{
public:
    // Object type of our translation inside a language upload file. The upload file itself is of
    // file type 391 (what the upload lists look for); the platform hands its object to the
    // factory that serves the object type, which is this number.
    static constexpr int OBJECT_TYPE_LANGUAGE = 1480;

    KestraLoaderFactoryC();

    LGE::LoaderC* createLoader(int iObjectType) override;
    void destroyLoader(LGE::LoaderC* pLoader) override;
    ~KestraLoaderFactoryC() override;

    bool registerWith(LGE::LoaderRegistryC* pLoaderRegistry);
    bool unregisterFrom(LGE::LoaderRegistryC* pLoaderRegistry);
};

} // namespace LOD
