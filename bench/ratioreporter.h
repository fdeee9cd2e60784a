#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>

#include <map>
#include <string>
#include <vector>

// Reports as the console does, and keeps each benchmark's real time and
// processor time per iteration (in seconds) so that main can print the ratios
// to a reference. On a busy machine only the processor times compare.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    std::map<std::string, double> cpuSeconds;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.iterations > 0) {
                const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / unit;
                cpuSeconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / unit;
            }
    }

    // One line per benchmark: its processor time per iteration and how many
    // times the reference's that is.
    void printRatios(const std::string &reference, const char *referenceText,
                     const std::vector<std::pair<std::string, std::string>> &rows)
    {
        const double ref = cpuSeconds[reference];
        if (ref <= 0)
            return;
        for (const auto &[name, what] : rows) {
            const double t = cpuSeconds[name];
            if (t > 0)
                std::printf("  %-55s %10.4f ms, %8.2f times %s\n", what.c_str(), t * 1e3, t / ref, referenceText);
        }
    }
};
