#include "Pelletlib/CNV_Length.h"

#include <climits>
#include <cmath>

namespace CNV {

namespace {
constexpr long long kSixteenthsPerInch = 16;
constexpr long long kSixteenthsPerFoot = 12 * kSixteenthsPerInch;
} // namespace

double metresToInternationalFeet(double dMetres)
{
    return dMetres / INTERNATIONAL_FOOT_METRES;
}

double internationalFeetToMetres(double dFeet)
{
    return dFeet * INTERNATIONAL_FOOT_METRES;
}

// The survey foot is defined by the ratio 1200/3937; using the integers keeps it exact.
double metresToUsSurveyFeet(double dMetres)
{
    return dMetres * 3937.0 / 1200.0;
}

double usSurveyFeetToMetres(double dFeet)
{
    return dFeet * 1200.0 / 3937.0;
}

bool splitUsSurveyFeet(double dFeet, FootInch16thS& rsParts)
{
    rsParts = FootInch16thS();
    if (!std::isfinite(dFeet))
        return false;
    const double dSixteenths = std::round(std::fabs(dFeet) * double(kSixteenthsPerFoot));
    if (dSixteenths / double(kSixteenthsPerFoot) >= double(INT_MAX))
        return false;
    const long long llSixteenths = static_cast<long long>(dSixteenths);
    rsParts.iFeet = static_cast<int>(llSixteenths / kSixteenthsPerFoot);
    rsParts.iInches = static_cast<int>((llSixteenths % kSixteenthsPerFoot) / kSixteenthsPerInch);
    rsParts.iSixteenths = static_cast<int>(llSixteenths % kSixteenthsPerInch);
    rsParts.iSign = llSixteenths == 0 ? 0 : (dFeet < 0.0 ? -1 : 1);
    return true;
}

double joinUsSurveyFeet(int iSign, int iFeet, int iInches, int iSixteenths)
{
    const long long llSixteenths = static_cast<long long>(iFeet) * kSixteenthsPerFoot
                                   + static_cast<long long>(iInches) * kSixteenthsPerInch
                                   + iSixteenths;
    const double dFeet = double(llSixteenths) / double(kSixteenthsPerFoot);
    return iSign < 0 ? -dFeet : dFeet;
}

} // namespace CNV
