#include "Marrowlib/CCF_UpdatePath.h"

#include <mutex>

namespace CCF {

namespace {
std::mutex s_oMutex;
std::string s_strUpdateFilePath;
} // namespace

void setUpdateFilePath(const char* szLocal8BitPath)
{
    std::lock_guard<std::mutex> oLock(s_oMutex);
    s_strUpdateFilePath = szLocal8BitPath ? szLocal8BitPath : "";
}

std::string updateFilePath()
{
    std::lock_guard<std::mutex> oLock(s_oMutex);
    return s_strUpdateFilePath;
}

} // namespace CCF
