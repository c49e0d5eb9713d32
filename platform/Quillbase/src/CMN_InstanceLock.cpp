#include "Quillbase/CMN_InstanceLock.h"

#include "SimInstrument/VSIM_Folders.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace CMN {

InstanceLockC::InstanceLockC(const char* strName)
    : m_iFd(-1)
    , m_bHeldByOther(false)
{
    const QString strDir = VSIM::runtimeDir() + "/locks";
    VSIM::ensureDir(strDir);
    const QByteArray baPath = QFile::encodeName(strDir + "/" + QString::fromLatin1(strName) + ".lock");
    m_iFd = ::open(baPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_iFd < 0)
        return;
    if (::flock(m_iFd, LOCK_EX | LOCK_NB) != 0) {
        m_bHeldByOther = errno == EWOULDBLOCK;
        ::close(m_iFd);
        m_iFd = -1;
    }
}

InstanceLockC::~InstanceLockC()
{
    release();
}

bool InstanceLockC::isHeldByOther() const
{
    return m_bHeldByOther;
}

void InstanceLockC::release()
{
    if (m_iFd >= 0) {
        ::close(m_iFd);
        m_iFd = -1;
    }
}

} // namespace CMN
