#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Shows the usual progress on the error stream and keeps the median wall time
// of every benchmark for the table.
class Medianbericht : public benchmark::ConsoleReporter {
 public:
  Medianbericht();
  void ReportRuns(const std::vector<Run>& runs) override;
  // Median in ms of the benchmark function `name`; -1 when it did not run.
  double Median(const std::string& name) const;

 private:
  std::map<std::string, double> m_median;
};

// Every benchmark of the table: repeated, only the aggregates reported.
void Wiederholt(benchmark::internal::Benchmark* b);
