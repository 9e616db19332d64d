// Runs the benchmarks, then prints what they mean side by side: the clear against a plain memset
// of the same bytes, and the flip's own work (the flip less a present of the same picture) against
// the conversion alone. Exits with 1 when a benchmark could not run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Keeps the time per iteration of every run (the median where repetitions are asked for) while
// the console shows them as usual.
class Keeper : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                ++failures;
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median) nanoseconds[run.run_name.str()] = run.GetAdjustedRealTime() * Scale(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    int failures = 0;
    // 0 when the benchmark did not run (filtered out or failed).
    double Of(const std::string& name) const {
        const auto found = nanoseconds.find(name);
        return found == nanoseconds.end() ? 0 : found->second;
    }

private:
    static double Scale(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kSecond: return 1e9;
            case benchmark::kMillisecond: return 1e6;
            case benchmark::kMicrosecond: return 1e3;
            default: return 1;
        }
    }
    std::map<std::string, double> nanoseconds;
};

void Ratio(const char* what, double part, double whole) {
    if (part > 0 && whole > 0) std::printf("%-52s %8.2f\n", what, part / whole);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Keeper keeper;
    benchmark::RunSpecifiedBenchmarks(&keeper);
    benchmark::Shutdown();

    const double flipOwn = keeper.Of("Flip") - keeper.Of("PresentLastPictureAgain");
    std::printf("\n");
    Ratio("clear / memset of the same 640 x 448 bytes", keeper.Of("ClearBackBuffer"), keeper.Of("MemsetOfTheClearedBytes"));
    if (flipOwn > 0) std::printf("%-52s %8.1f us\n", "flip's own work (flip - present again)", flipOwn / 1e3);
    Ratio("conversion alone / flip's own work", keeper.Of("ConvertFrame"), flipOwn);
    return keeper.failures == 0 ? 0 : 1;
}
