#include "KTX/APP/KTX_APP_FileSelectionState.h"

#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "V40_GUI_ListWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#include <QHeaderView>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FileSelectionState", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;

FileSelectionStateC::FileSelectionStateC(int iFileType, QObject* parent)
    : PanelStateBaseC(iFileType == UploadFileModelC::FILE_TYPE_LANGUAGE ? TK::FileUpload_SelectLanguage
                                                                        : TK::FileUpload_SelectFile,
                      parent)
    , m_iFileType(iFileType)
{
}

FileSelectionStateC::~FileSelectionStateC() = default;

V40::GUI::ListWidgetC* FileSelectionStateC::getListWidget() const
{
    return qobject_cast<V40::GUI::ListWidgetC*>(getPanel());
}

void FileSelectionStateC::onOkPressed()
{
    UploadFileModelC* pModel = dynamic_cast<UploadFileModelC*>(modelOrNull());
    const int iRow = getListWidget() ? getListWidget()->currentRow() : -1;
    if (!pModel || iRow < 0 || iRow >= int(pModel->GetFileList().size())) {
        KTX_APP_REPORT("pModel && iRow >= 0");
        return;
    }
    pModel->SetSelectedFileName(pModel->GetFileList().at(size_t(iRow)).strFileName);
    OnSuccess();
}

void FileSelectionStateC::onEscapePressed()
{
    OnFail();
}

QWidget* FileSelectionStateC::createPanel(QWidget* pPage)
{
    V40::GUI::ListWidgetC* pList = new V40::GUI::ListWidgetC(pPage);
    if (m_iFileType == UploadFileModelC::FILE_TYPE_LANGUAGE)
        pList->setHeaderLabels({V40::LNG::getTextToken(TK::FileUpload_Language_Label)});
    else
        pList->setHeaderLabels(
            {V40::LNG::getTextToken(TK::FileUpload_FileName), V40::LNG::getTextToken(TK::FileUpload_Version)});
    // The name takes the room the version leaves.
    pList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    if (pList->columnCount() > 1)
        pList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    return pList;
}

void FileSelectionStateC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &FileSelectionStateC::onEscapePressed);
    addShortcut(Qt::Key_F6, TK::Functionkey_OK, &FileSelectionStateC::onOkPressed);
}

void FileSelectionStateC::prepareShow()
{
    V40::GUI::ListWidgetC* pList = getListWidget();
    const UploadFileModelC* pModel = dynamic_cast<const UploadFileModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    pList->setRowCount(0);
    for (const UploadFileInfoS& rFile : pModel->GetFileList()) {
        if (m_iFileType == UploadFileModelC::FILE_TYPE_LANGUAGE)
            pList->addRow({rFile.strDescription});
        else
            pList->addRow({rFile.strFileName, QStringLiteral("%1.%2").arg(rFile.iVersionMajor).arg(rFile.iVersionMinor)});
    }
    pList->setFocus(Qt::OtherFocusReason);
}

} // namespace APP
} // namespace KTX
