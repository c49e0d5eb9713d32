#pragma once
// A named lock held by one process of a simulator root at a time.

namespace CMN {

class InstanceLockC
{
public:
    explicit InstanceLockC(const char* strName);
    ~InstanceLockC();
    InstanceLockC(const InstanceLockC&) = delete;
    InstanceLockC& operator=(const InstanceLockC&) = delete;

    // True while another process holds the name.
    bool isHeldByOther() const;
    void release();

private:
    int m_iFd;
    bool m_bHeldByOther;
};

} // namespace CMN
