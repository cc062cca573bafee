#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints the runs as the console does and keeps each one's wall and processor
// seconds per iteration by benchmark name, for the ratios printed after them.
class RunTimes : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1e3;
            cpuSeconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / 1e3;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds, cpuSeconds;
};
