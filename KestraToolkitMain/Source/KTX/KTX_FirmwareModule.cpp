#include "KTX/KTX_FirmwareModule.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_TSK_Component.h"
#include "Quillbase/CMN_FirmwareAccessor.h"

namespace KTX {

namespace {

// Looks up the firmware accessor and hands its loader registry to the operation.
template <typename OperationT>
void withLoaderRegistry(OperationT fnOperation)
{
    BSS::TSK::SysComponentC* pComponent =
        BSS::TSK::ComponentRegistryC::lookup(QString::fromLatin1(CMN::FirmwareAccessorC::CLASS_NAME));
    auto* pFirmwareAccessor = dynamic_cast<CMN::FirmwareAccessorC*>(pComponent);
    if (!pFirmwareAccessor)
        BSS_ASSERT_REPORT("pFirmwareAccessor", "KTX_FirmwareModule", 30);
    else
        fnOperation(pFirmwareAccessor->getLoaderRegistry());
    if (pComponent)
        BSS::TSK::ComponentRegistryC::release(pComponent);
}

} // namespace

FirmwareModuleC::FirmwareModuleC(int iArg)
    : CMDL::ModuleBaseC(iArg)
{
    addChild(&m_oLoaderFactory);
    addChild(&m_oDeviceDetectionHandler);
}

FirmwareModuleC::~FirmwareModuleC()
{
    removeChild(&m_oDeviceDetectionHandler);
    removeChild(&m_oLoaderFactory);
}

bool FirmwareModuleC::registerServices(int iArg)
{
    withLoaderRegistry([this](LOD::LGE::LoaderRegistryC* pRegistry) { m_oLoaderFactory.registerWith(pRegistry); });
    return CMDL::ModuleBaseC::registerServices(iArg);
}

bool FirmwareModuleC::unregisterServices(int iArg)
{
    withLoaderRegistry([this](LOD::LGE::LoaderRegistryC* pRegistry) { m_oLoaderFactory.unregisterFrom(pRegistry); });
    return CMDL::ModuleBaseC::unregisterServices(iArg);
}

LOD::KestraLoaderFactoryC& FirmwareModuleC::loaderFactory()
{
    return m_oLoaderFactory;
}

} // namespace KTX
