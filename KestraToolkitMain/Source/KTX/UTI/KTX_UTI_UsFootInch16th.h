#pragma once
// A length in US survey feet as shown and typed by the user: whole feet, inches (0-11) and
// sixteenths of an inch (0-15), kept non-negative, with the sign as a positive flag.
// Text form: 5'03"07 (feet unpadded, then two-digit inches and sixteenths).
#include "KTX/UTI/KTX_UTI_FormatMetaType.h"

#include <QString>

namespace KTX {
namespace UTI {

class UsFootInch16thC
{
public:
    UsFootInch16thC() = default;
    // Keeps the absolute value of each number.
    UsFootInch16thC(int iFeet, int iInches, int iSixteenths, bool bPositive);
    // Splits a length in US survey feet, rounded to the nearest sixteenth of an inch.
    explicit UsFootInch16thC(double dUsFeet);

    int getFeet() const { return m_iFeet; }
    int getInches() const { return m_iInches; }
    int getSixteenths() const { return m_iSixteenths; }
    bool isPositive() const { return m_bPositive; }

    // The length in US survey feet.
    double toUsFeet() const;

    // Accepts feet, feet'inches, feet'inches"sixteenths, inches"sixteenths, with a leading "-";
    // surrounding white space is ignored. On failure the fields read so far are kept.
    bool fromString(const QString& strText);
    QString toString() const;

    // Equal fields, and the same sign unless both are zero.
    bool operator==(const UsFootInch16thC& rOther) const;
    bool operator!=(const UsFootInch16thC& rOther) const { return !(*this == rOther); }
    // Orderings compare the lengths.
    bool operator<(const UsFootInch16thC& rOther) const { return toUsFeet() < rOther.toUsFeet(); }
    bool operator<=(const UsFootInch16thC& rOther) const { return toUsFeet() <= rOther.toUsFeet(); }
    bool operator>(const UsFootInch16thC& rOther) const { return toUsFeet() > rOther.toUsFeet(); }
    bool operator>=(const UsFootInch16thC& rOther) const { return toUsFeet() >= rOther.toUsFeet(); }

private:
    int m_iFeet = 0;
    int m_iInches = 0;
    int m_iSixteenths = 0;
    bool m_bPositive = true;
};

} // namespace UTI
} // namespace KTX

KTX_UTI_DECLARE_FORMAT_METATYPE(KTX::UTI::UsFootInch16thC, "UsFootInch16thC", true)
