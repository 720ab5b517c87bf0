#pragma once
// The console table of a benchmark program, tabular and without terminal colours whatever the
// command line asks of the default one, that also keeps each run's CPU time per iteration
// (the median when runs are repeated) so that the program can print ratios after the table.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  // CPU time per iteration in the table's unit, by run name ("BM_Read/1048576").
  std::map<std::string, double> seconds;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name.empty() || run.aggregate_name == "median") {
        seconds[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
};
