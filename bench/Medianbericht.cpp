#include "Medianbericht.h"

#include <iostream>

Medianbericht::Medianbericht() {
  SetOutputStream(&std::cerr);
  SetErrorStream(&std::cerr);
}

void Medianbericht::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
    const double sekunden = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    m_median[run.run_name.function_name] = sekunden * 1000;
  }
  ConsoleReporter::ReportRuns(runs);
}

double Medianbericht::Median(const std::string& name) const {
  const auto it = m_median.find(name);
  return it == m_median.end() ? -1 : it->second;
}

void Wiederholt(benchmark::internal::Benchmark* b) {
  b->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond)->MinTime(0.2);
}
