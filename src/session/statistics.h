#pragma once

#include <span>

namespace cubetimer {

// All four read the solves as recorded: raw values in recording order, kDnf for
// a DNF, every time taken at whole hundredths. Sums and means are formed in
// integer hundredths, so a mean is exact before it is rounded for display.

// The smallest timed solve; 0 when the session holds no timed solve.
double BestTime(std::span<const double> solves);

// The largest timed solve, or kDnf when the session holds a DNF.
double WorstTime(std::span<const double> solves);

// full: the mean without best and worst (a DNF being the worst) over sessionSize - 2;
// otherwise the plain mean of the timed solves. 0 when there is nothing to average.
double AverageTime(std::span<const double> solves, bool full, int sessionSize);

// Sample standard deviation of the timed solves around their plain mean;
// 0 with fewer than two timed solves.
double Deviation(std::span<const double> solves);

}  // namespace cubetimer
