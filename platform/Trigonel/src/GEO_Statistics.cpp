#include "Trigonel/GEO_Statistics.h"

#include <cmath>

namespace GEO {

StatisticsAccumulatorC::StatisticsAccumulatorC(int iDimension)
    : m_iCount(0)
    , m_dMean(0.0)
    , m_dSquares(0.0)
{
    (void)iDimension;
}

void StatisticsAccumulatorC::reset()
{
    m_iCount = 0;
    m_dMean = 0.0;
    m_dSquares = 0.0;
}

void StatisticsAccumulatorC::addValue(double dValue)
{
    ++m_iCount;
    const double dDelta = dValue - m_dMean;
    m_dMean += dDelta / m_iCount;
    m_dSquares += dDelta * (dValue - m_dMean);
}

int StatisticsAccumulatorC::count() const
{
    return m_iCount;
}

double StatisticsAccumulatorC::mean() const
{
    return m_dMean;
}

double StatisticsAccumulatorC::standardDeviation() const
{
    return m_iCount < 2 ? 0.0 : std::sqrt(m_dSquares / (m_iCount - 1));
}

} // namespace GEO
