#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Reports as the console does, and keeps each benchmark's real time per
// iteration (in seconds) so that main can print the ratios to a reference.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.iterations > 0)
                seconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
};
