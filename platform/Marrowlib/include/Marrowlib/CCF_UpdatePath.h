#pragma once
// The file that the next update installs (see CMN::startUpdate).
#include <string>

namespace CCF {

// Path of the upload file, absolute, in the local 8-bit encoding.
void setUpdateFilePath(const char* szLocal8BitPath);
std::string updateFilePath();

} // namespace CCF
