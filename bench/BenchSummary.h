#pragma once

// A row of the summary `make bench` prints at the end: one tab-separated line appended to the
// file ZEFFIRA_BENCH_SUMMARY names, when it is set (bench/summary.py prints them).

#include <cstdio>
#include <cstdlib>
#include <string>

namespace BenchSummary {

inline void add(const std::string &benchmark, const std::string &measurement, const std::string &value,
                const std::string &baseline, double ratio, const std::string &target, bool met)
{
    const char *path = std::getenv("ZEFFIRA_BENCH_SUMMARY");
    if (!path || !*path)
        return;
    if (std::FILE *file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\t%s\t%s\t%s\t%.2fx\t%s\t%s\n", benchmark.c_str(), measurement.c_str(),
                     value.c_str(), baseline.c_str(), ratio, target.c_str(), met ? "ok" : "over");
        std::fclose(file);
    }
}

} // namespace BenchSummary
