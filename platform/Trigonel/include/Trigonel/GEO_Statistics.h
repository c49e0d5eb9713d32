#pragma once
// Running statistics of a series of values: mean and sample standard deviation, without keeping
// the values.

namespace GEO {

class StatisticsAccumulatorC
{
public:
    // The dimension of the values; the instrument's accumulators are one-dimensional.
    explicit StatisticsAccumulatorC(int iDimension);

    void reset();
    void addValue(double dValue);
    int count() const;
    // 0 without values.
    double mean() const;
    // 0 with fewer than two values.
    double standardDeviation() const;

private:
    int m_iCount;
    double m_dMean;
    // Sum of the squared differences from the mean (Welford).
    double m_dSquares;
};

} // namespace GEO
