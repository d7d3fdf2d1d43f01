#pragma once
// Timing for the benchmarks (not tests): seconds on a steady clock, and the best of three runs.
#include <algorithm>
#include <chrono>

namespace testsupport {

using BenchClock = std::chrono::steady_clock;

inline double SecondsSince(BenchClock::time_point since) {
  return std::chrono::duration<double>(BenchClock::now() - since).count();
}

template <typename Run>
double BestOfThree(Run run) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto start = BenchClock::now();
    run();
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

}  // namespace testsupport
