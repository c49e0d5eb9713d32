#pragma once
// Installs the chosen file: the platform's update runs on the GUI framework's worker thread
// while a progress dialog shows and keys are ignored. Success when the platform installed it.
#include "V40_APP_ApplicationStateBase.h"

namespace KTX {
namespace APP {

class FileUploadStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    // Result while no upload has ended.
    static constexpr int UPLOAD_RESULT_NONE = 0x200001b;
    // A firmware upload starts this long after the dialog shows; a GUI stop before then leaves
    // the firmware untouched.
    static constexpr int FIRMWARE_START_DELAY_MS = 1500;
    // How often the dialog looks whether the upload has ended.
    static constexpr int POLL_INTERVAL_MS = 50;

    explicit FileUploadStateC(QObject* parent = nullptr);
    ~FileUploadStateC() override;

    void execute() override;

    QString getUploadPath() const;
    int getUploadResult() const;

private:
    // One upload, shared with the worker thread: it may outlive the state when the GUI stops.
    struct UploadS;

    // Posts the upload to the worker thread and waits for its end; false when the wait was
    // cancelled (the result stays unknown then).
    bool runUpload(const QString& strFileName, bool bFirmware);

    QString m_strUploadPath;
    int m_iUploadResult;
};

} // namespace APP
} // namespace KTX
