// Cost of throwing and catching an exception inside a program whose crash
// reporter is active (every raise records its place and calls), against the
// same program built without the configuration block (reporter inactive).
//
//   crashnote_throw_bench          reporter active
//   crashnote_throw_bench_noblock  reporter inactive

#include "crashreport/core/crashnote.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

[[gnu::noinline]] void raiseAt(int depth)
{
    if (depth == 0)
        throw std::runtime_error("benchmark");
    raiseAt(depth - 1);
    benchmark::ClobberMemory();
}

void ThrowAndCatch(benchmark::State &state)
{
    const int depth = static_cast<int>(state.range(0));
    for (auto _ : state) {
        try {
            raiseAt(depth);
        } catch (const std::exception &e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.SetLabel(crashnote::Reporter::instance().isIntercepting() ? "reporter active" : "reporter inactive");
}

BENCHMARK(ThrowAndCatch)->Arg(1)->Arg(8)->Arg(32);

} // namespace

int main(int argc, char **argv)
{
    crashnote::startUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
