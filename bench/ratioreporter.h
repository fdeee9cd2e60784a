#pragma once
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

#include <map>
#include <string>
#include <vector>

// The most memory the process has held since the last resetPeakMemory(), in
// MB (Linux: the resident set's high-water mark, which the process can reset).
inline void resetPeakMemory()
{
    if (std::FILE *f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

inline double peakMemoryMB()
{
    double kb = 0;
    if (std::FILE *f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            if (std::sscanf(line, "VmHWM: %lf kB", &kb) == 1)
                break;
        }
        std::fclose(f);
    }
    return kb / 1024;
}

// Reports as the console does, and keeps each benchmark's real time and
// processor time per iteration (in seconds) so that main can print the ratios
// to a reference. On a busy machine only the processor times compare.
// Windows are drawn offscreen unless a platform is asked for, so that a
// benchmark runs without a display.
inline void useOffscreenWindows()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The name of a benchmark run with one argument: "BM_Name/arg".
inline std::string withArg(const char *name, int arg)
{
    return std::string(name) + '/' + std::to_string(arg);
}

// A row's text with the bound a click, a keystroke or a tick must keep: 20 ms
// for the smaller input, 100 ms for the larger.
inline std::string withLimit(const char *what, bool smaller)
{
    return std::string(what) + (smaller ? " (limit 20 ms)" : " (limit 100 ms)");
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Runs the benchmarks the command line asks for, reporting here.
    void run(int &argc, char **argv)
    {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks(this);
    }

    std::map<std::string, double> seconds;
    std::map<std::string, double> cpuSeconds;
    // Each benchmark's peak_x_file counter, when it has one.
    std::map<std::string, double> counters;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.iterations > 0) {
                if (const auto c = run.counters.find("peak_x_file"); c != run.counters.end())
                    counters[run.benchmark_name()] = c->second;
                const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / unit;
                cpuSeconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / unit;
            }
    }

    // Processor time of a benchmark per iteration, in milliseconds; 0 when
    // it did not run.
    double cpuMs(const std::string &name) { return cpuSeconds[name] * 1e3; }

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

// A row of the goals the measurements are held to: the figure, the goal it
// must stay at or under, whether it does, and the floor it is judged against
// (what the machine needs at least for the same work). Nothing is printed
// for a figure that was not measured.
inline void printGoal(const std::string &what, double value, double goal, const char *unit,
                      const std::string &floor = {})
{
    if (value <= 0)
        return;
    std::printf("  %-50s %9.2f %-6s goal <= %-6g %-6s %s\n", what.c_str(), value, unit, goal,
                value <= goal ? "met" : "MISSED", floor.c_str());
}

inline std::string floorText(const char *what, double value, const char *unit)
{
    if (value <= 0)
        return {};
    char text[160];
    std::snprintf(text, sizeof text, "(floor: %s %.2f %s)", what, value, unit);
    return text;
}
