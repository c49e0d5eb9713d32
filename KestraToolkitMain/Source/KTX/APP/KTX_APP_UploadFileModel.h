#pragma once
// What one run of a file upload works on: the memory device, the kind of file, the files found
// on the device and the one chosen.
#include "KTX/APP/KTX_APP_MemoryDeviceModel.h"

#include "V40_APP_ApplicationModelBase.h"

#include <QDate>
#include <QString>

#include <vector>

namespace KTX {
namespace APP {

// One upload file found on the memory device.
struct UploadFileInfoS
{
    enum CompareMemberE
    {
        COMPARE_FILE_NAME = 0,
        COMPARE_DESCRIPTION = 1
    };

    // The whole name: a shortened one would name another file, or none.
    QString strFileName;
    // From the header, at most DESCRIPTION_MAX characters; for language files the language.
    QString strDescription;
    int iVersionMajor = 0;
    int iVersionMinor = 0;
    QDate oDate;
    qint64 iSize = 0;
    int iMemoryDeviceType = 0;
    int iHeaderType = 0;

    static constexpr int DESCRIPTION_MAX = 100;

    // Plain string order of the member; an unknown member is reported and compares as not less.
    static bool isLess(const UploadFileInfoS& rLeft, const UploadFileInfoS& rRight, int iCompareMember);
};

class UploadFileModelC : public V40::APP::ApplicationModelBaseC, public MemoryDeviceModelI
{
public:
    enum FileTypeE
    {
        FILE_TYPE_FIRMWARE = 118,
        FILE_TYPE_LANGUAGE = 121
    };
    enum MemoryDeviceE
    {
        MEMORY_DEVICE_SDCARD = 4
    };

    explicit UploadFileModelC(int iFileType, int iMemoryDeviceType = MEMORY_DEVICE_SDCARD);
    ~UploadFileModelC() override;

    // Lists the files of the type on the device whose header can be read and is of the type.
    virtual void ScanFiles();
    // Scans, then sorts: language files by language, others by file name.
    void RefreshFileList();
    const std::vector<UploadFileInfoS>& GetFileList() const;

    int GetFileType() const;
    int GetMemoryDeviceType() const;
    QString GetSelectedFileName() const;
    void SetSelectedFileName(const QString& strFileName);
    QString GetSelectedFilePath() const;
    QString GetMemoryDeviceRootPath() const;
    bool IsMemoryDeviceAvailable() const override;
    // Firmware only on the instrument itself; language files everywhere.
    bool IsFileTypeAllowed() const;
    QString GetMemoryDeviceLabel() const override;
    QString GetFileTypeLabel() const;

    // The name pattern of the type's files on the device ("*.fw"); empty for unknown types.
    static QString searchPattern(int iFileType);
    // The header type of the type's files (305, 391); 0 for unknown types.
    static int headerType(int iFileType);

private:
    int m_iMemoryDeviceType;
    int m_iFileType;
    QString m_strSelectedFileName;
    std::vector<UploadFileInfoS> m_vecFileList;
};

} // namespace APP
} // namespace KTX
