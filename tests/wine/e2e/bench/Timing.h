#pragma once
// Timing helpers of the Wine benchmarks: the performance counter in milliseconds, quantiles of
// sorted times, and the line each figure is printed as.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// The value below which the given share of the sorted values lie.
inline double Quantile(const std::vector<double>& sorted, double share) {
  const double position = share * static_cast<double>(sorted.size() - 1);
  const std::size_t below = static_cast<std::size_t>(position);
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  const double fraction = position - static_cast<double>(below);
  return sorted[below] + (sorted[above] - sorted[below]) * fraction;
}

// One figure: its median, the middle half of the runs, and the median against a yardstick's.
inline void PrintFigure(const std::string& name, std::vector<double> times, double yardstickMedian,
                        const char* yardstickName) {
  std::sort(times.begin(), times.end());
  const double median = Quantile(times, 0.5);
  std::printf("  %-34s %8.2f ms  [%7.2f .. %7.2f]  %5.2f x %s\n", name.c_str(), median,
              Quantile(times, 0.25), Quantile(times, 0.75), median / yardstickMedian,
              yardstickName);
}

inline double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return Quantile(times, 0.5);
}

}  // namespace bench
