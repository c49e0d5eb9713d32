#pragma once
// Creates the loaders of the object types it serves. Factories are components, so the module
// that holds one drives it together with its other children.
#include "Ferrolib/BSS_TSK_Component.h"

namespace LOD {
namespace LGE {

class LoaderC;

class LoaderFactoryI : public BSS::TSK::SysComponentC
{
public:
    // Null for object types the factory does not serve.
    virtual LoaderC* createLoader(int iObjectType) = 0;
    virtual void destroyLoader(LoaderC* pLoader) = 0;
    ~LoaderFactoryI() override;
};

} // namespace LGE
} // namespace LOD
