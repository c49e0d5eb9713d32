#pragma once
// Re-entrancy guard of the platform service library: sets a bool for the life of a scope.

namespace BSS {
namespace UTI {

// Sets the bool to true on construction and back to false on destruction. A null pointer is
// allowed and makes the guard do nothing. Typical use:
//   if (m_bInKeyHandling) return;               // re-entered: ignore
//   BSS::UTI::ScopedBoolResetterC oGuard(&m_bInKeyHandling);
class ScopedBoolResetterC
{
public:
    explicit ScopedBoolResetterC(bool* pbValue)
        : m_pbValue(pbValue)
    {
        if (m_pbValue)
            *m_pbValue = true;
    }
    explicit ScopedBoolResetterC(bool& rbValue)
        : ScopedBoolResetterC(&rbValue)
    {
    }
    ~ScopedBoolResetterC()
    {
        if (m_pbValue)
            *m_pbValue = false;
    }

    ScopedBoolResetterC(const ScopedBoolResetterC&) = delete;
    ScopedBoolResetterC& operator=(const ScopedBoolResetterC&) = delete;

private:
    bool* m_pbValue;
};

} // namespace UTI
} // namespace BSS
