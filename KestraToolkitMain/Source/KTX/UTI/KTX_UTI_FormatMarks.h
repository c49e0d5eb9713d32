#pragma once
// The marks that value texts carry after their fields, each a one-character string.
#include <QString>

namespace KTX {
namespace UTI {

const QString& degreeMark(); // U+00B0, after degrees
const QString& minuteMark(); // U+2032 (prime), after minutes
const QString& secondMark(); // U+2033 (double prime), after seconds
const QString& footMark();   // apostrophe, after feet
const QString& inchMark();   // quotation mark, after inches

} // namespace UTI
} // namespace KTX
