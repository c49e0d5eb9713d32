#include "V40_GUI_ListWidget.h"

#include "V40_GUI_DrawListWidgetItemBorderDelegate.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_FieldStyle.h"

#include "Ferrolib/BSS_Assert.h"

#include <QHeaderView>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_ListWidget", __LINE__)

namespace V40 {
namespace GUI {

ListWidgetC::ListWidgetC(QWidget* parent)
    : QTableWidget(parent)
{
    setFont(lookFont(22));
    setAlternatingRowColors(true);
    // Under the style sheet, so that the sheet's frame is drawn by it.
    setStyle(FieldStyleC::instance());
    setStyleSheet(styleSheetText());
    setItemDelegate(new DrawListWidgetItemBorderDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setFont(lookFont(22));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnCount(1);
}

ListWidgetC::~ListWidgetC() = default;

QString ListWidgetC::styleSheetText()
{
    return QString("QTableWidget{alternate-background-color: #E5F7FD;background-color: #FFFFFF;"
                   "selection-background-color: #%1;}")
        .arg(QString::number(g_oTitleColor.rgb() & 0xFFFFFF, 16).rightJustified(6, QLatin1Char('0')).toUpper());
}

void ListWidgetC::setHeaderLabels(const QStringList& rlistLabels)
{
    if (rlistLabels.size() > COLUMNMAX)
        V40_GUI_REPORT("rlistLabels.size() <= COLUMNMAX");
    const QStringList listLabels = rlistLabels.mid(0, COLUMNMAX);
    setColumnCount(qMax(1, listLabels.size()));
    setHorizontalHeaderLabels(listLabels);
    if (columnCount() == COLUMNMAX)
        setColumnWidth(0, (width() > 0 ? width() : 640) * 3 / 5);
}

int ListWidgetC::addRow(const QStringList& rlistTexts)
{
    if (rlistTexts.size() > columnCount())
        V40_GUI_REPORT("rlistTexts.size() <= columnCount()");
    const int iRow = rowCount();
    insertRow(iRow);
    for (int iColumn = 0; iColumn < columnCount(); ++iColumn)
        setItem(iRow, iColumn, new QTableWidgetItem(rlistTexts.value(iColumn)));
    if (currentRow() < 0)
        setCurrentCell(iRow, 0);
    return iRow;
}

QString ListWidgetC::currentText(int iColumn) const
{
    const QTableWidgetItem* pItem = item(currentRow(), iColumn);
    return pItem ? pItem->text() : QString();
}

} // namespace GUI
} // namespace V40
