#pragma once
// Registers a value type of this folder as a Qt meta-type under its short name ("DateC"), so that
// it travels inside QVariant and is found by that name; the qualified name is an alias for queued
// signal signatures. Comparable types also get their comparators, so that QVariant compares their
// values rather than their bytes.
#include <QMetaType>

namespace KTX {
namespace UTI {
namespace Detail {

template <class T, bool bComparable>
void completeFormatMetaType(int iTypeId, const char* strQualifiedName)
{
    QMetaType::registerTypedef(strQualifiedName, iTypeId);
    if constexpr (bComparable)
        QMetaType::registerComparators<T>();
}

} // namespace Detail
} // namespace UTI
} // namespace KTX

// Use at global scope after the type's declaration.
#define KTX_UTI_DECLARE_FORMAT_METATYPE(TYPE, NAME, COMPARABLE)                                    \
    template <>                                                                                    \
    struct QMetaTypeId<TYPE>                                                                       \
    {                                                                                              \
        enum { Defined = 1 };                                                                      \
        static int qt_metatype_id()                                                                \
        {                                                                                          \
            static QBasicAtomicInt s_iTypeId = Q_BASIC_ATOMIC_INITIALIZER(0);                      \
            if (const int iKnown = s_iTypeId.loadAcquire())                                        \
                return iKnown;                                                                     \
            const int iTypeId = qRegisterMetaType<TYPE>(NAME, reinterpret_cast<TYPE*>(quintptr(-1))); \
            s_iTypeId.storeRelease(iTypeId);                                                       \
            ::KTX::UTI::Detail::completeFormatMetaType<TYPE, COMPARABLE>(iTypeId, #TYPE);          \
            return iTypeId;                                                                        \
        }                                                                                          \
    };
