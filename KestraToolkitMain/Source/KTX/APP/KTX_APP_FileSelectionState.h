#pragma once
// The list of upload files found: firmware files by name and version, language files by
// language. F6 ("OK") chooses the marked file, Escape leaves.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

namespace V40 {
namespace GUI {
class ListWidgetC;
}
} // namespace V40

namespace KTX {
namespace APP {

class FileSelectionStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    // The list's columns and title follow the file type (UploadFileModelC::FileTypeE).
    explicit FileSelectionStateC(int iFileType, QObject* parent = nullptr);
    ~FileSelectionStateC() override;

    V40::GUI::ListWidgetC* getListWidget() const;

public slots:
    void onOkPressed();
    void onEscapePressed();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    void addShortcuts() override;
    // Fills the list from the model's files.
    void prepareShow() override;

private:
    const int m_iFileType;
};

} // namespace APP
} // namespace KTX
