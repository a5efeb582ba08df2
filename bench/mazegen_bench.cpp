// How many levels a second the maze generator makes in each style; the
// editor's random maze and krivol-cli generate both wait for it.
#include <benchmark/benchmark.h>

#include "mazegen/maze_generator.h"

namespace krivol {
namespace {

void BM_GenerateMaze(benchmark::State& state) {
    const MazeOptions options{kStyleLoops, static_cast<Mirror>(state.range(1)), static_cast<MazeStyle>(state.range(0))};
    std::uint32_t seed = 0;
    for (auto _ : state) {
        Rnd rnd(++seed);
        benchmark::DoNotOptimize(generateMaze(rnd, options));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateMaze)
    ->ArgNames({"style", "mirror"})
    ->ArgsProduct({{static_cast<int>(MazeStyle::halls), static_cast<int>(MazeStyle::classic),
                    static_cast<int>(MazeStyle::galleries)},
                   {static_cast<int>(Mirror::none), static_cast<int>(Mirror::both)}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace krivol
