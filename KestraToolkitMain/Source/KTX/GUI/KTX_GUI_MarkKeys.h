#pragma once
// The instrument keyboard has no keys for the marks of angles and lengths: ".", " " and ","
// stand for them, the first one typed for the first mark, the next for the next.
#include <QString>
#include <QStringList>

namespace KTX {
namespace GUI {

bool isMarkKey(QChar cKey);
// If the character before iPos is a mark key, it becomes the first of lstMarks (in their order in
// the text) that the text does not hold yet, or the last one when it holds them all.
void replaceTypedMark(QString& rstrInput, int iPos, const QStringList& lstMarks);

} // namespace GUI
} // namespace KTX
