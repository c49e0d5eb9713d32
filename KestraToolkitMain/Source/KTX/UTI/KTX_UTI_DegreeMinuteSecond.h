#pragma once
// A sexagesimal angle as shown and typed by the user: degrees, minutes and seconds, kept
// non-negative, with the sign as a positive flag. Text form: -005°07′09″.
#include "KTX/UTI/KTX_UTI_FormatMetaType.h"

#include <QString>

namespace KTX {
namespace UTI {

class DegreeMinuteSecondC
{
public:
    DegreeMinuteSecondC() = default;
    // Keeps the absolute value of each number; no range check.
    DegreeMinuteSecondC(int iDegrees, int iMinutes, int iSeconds, bool bPositive);

    int getDegrees() const { return m_iDegrees; }
    int getMinutes() const { return m_iMinutes; }
    int getSeconds() const { return m_iSeconds; }
    bool isPositive() const { return m_bPositive; }

    // Accepts degrees (12°), degrees and minutes (12°30′) or all three (12°30′15″), each field
    // optional, with a leading "-". On failure the fields read so far are kept.
    bool fromString(const QString& strText);
    QString toString() const;

private:
    int m_iDegrees = 0;
    int m_iMinutes = 0;
    int m_iSeconds = 0;
    bool m_bPositive = true;
};

} // namespace UTI
} // namespace KTX

KTX_UTI_DECLARE_FORMAT_METATYPE(KTX::UTI::DegreeMinuteSecondC, "DegreeMinuteSecondC", false)
