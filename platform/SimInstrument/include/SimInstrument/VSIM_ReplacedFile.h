#pragma once
// A file about to be replaced by a rename, held so that the replacement frees nothing on the
// writer's thread.
#include <QString>

namespace VSIM {

// The last reference to a replaced file frees its blocks, and a file system that discards freed
// blocks makes that wait for the disk: on the plummet's switch, a few tenths of a millisecond of
// every key. Made before the rename, this holds the old file (if there is one); its destructor
// hands it to a thread of its own, where the last reference goes. What readers see is the same.
class ReplacedFileC
{
public:
    explicit ReplacedFileC(const QString& strPath);
    ~ReplacedFileC();
    ReplacedFileC(const ReplacedFileC&) = delete;
    ReplacedFileC& operator=(const ReplacedFileC&) = delete;

private:
    int m_iFd;
};

} // namespace VSIM
