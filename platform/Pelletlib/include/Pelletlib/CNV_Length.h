#pragma once
// Length conversions of the conversion library. Metres are the instrument's internal unit.

namespace CNV {

// 1 international foot = 0.3048 m; 1 US survey foot = 1200/3937 m.
constexpr double INTERNATIONAL_FOOT_METRES = 0.3048;
constexpr double US_SURVEY_FOOT_METRES = 1200.0 / 3937.0;

double metresToInternationalFeet(double dMetres);
double internationalFeetToMetres(double dFeet);
double metresToUsSurveyFeet(double dMetres);
double usSurveyFeetToMetres(double dFeet);

// A length in US survey feet as whole feet, inches (0-11) and sixteenths of an inch (0-15),
// all non-negative, with the sign apart: -1, 0 (a length that rounds to zero) or +1.
struct FootInch16thS
{
    int iSign = 0;
    int iFeet = 0;
    int iInches = 0;
    int iSixteenths = 0;
};

// Rounds to the nearest sixteenth of an inch (carrying into inches and feet). A length that is
// not finite or whose feet do not fit an int gives false and zero parts.
bool splitUsSurveyFeet(double dFeet, FootInch16thS& rsParts);
// Inverse of the split: a negative sign makes the length negative, 0 and +1 keep it positive.
double joinUsSurveyFeet(int iSign, int iFeet, int iInches, int iSixteenths);

} // namespace CNV
