#pragma once
// A list of one or two columns (for instance file name and version) from which the user picks a
// row with the arrow keys.
#include <QTableWidget>

namespace V40 {
namespace GUI {

class ListWidgetC : public QTableWidget
{
    Q_OBJECT

public:
    enum
    {
        COLUMNMAX = 2
    };

    explicit ListWidgetC(QWidget* parent = nullptr);
    ~ListWidgetC() override;

    // One column per label, at most two; further labels are reported and left out.
    void setHeaderLabels(const QStringList& rlistLabels);
    // Appends a row with one text per column (missing texts stay empty, surplus ones are left
    // out) and returns its index. The first row appended becomes the current row.
    int addRow(const QStringList& rlistTexts);
    // The text of the current row in iColumn, or an empty text when there is none.
    QString currentText(int iColumn = 0) const;

    // "QTableWidget{...selection-background-color: #<title colour>;}".
    static QString styleSheetText();
};

} // namespace GUI
} // namespace V40
