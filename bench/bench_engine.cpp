// Benchmarks of the puzzle engine: the key, the solution, the carving and a whole new puzzle as the game makes it.
#include "gridText.h"
#include "modGeneratePuzzle.h"
#include "modGlobal.h"
#include "runTimeRandom.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SampleSolutions(std::size_t count)
{
    RunTimeRandom rnd;
    rnd.Seed(1);
    std::vector<std::string> solutions;
    solutions.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        solutions.push_back(modGeneratePuzzle::BuildSolution(modGeneratePuzzle::MakeTransformKey(rnd)));
    return solutions;
}

// Seeds as the game draws them, less the few that fail at this level, so
// that the figure is the carving of a typical puzzle.
std::vector<std::int32_t> TypicalSeeds(int level, std::size_t count)
{
    RunTimeRandom rnd;
    rnd.Seed(2);
    std::vector<std::int32_t> seeds;
    while (seeds.size() < count) {
        const std::int32_t seed = modGlobal::CarveSeedOf(rnd());
        std::string grid(gridText::SeedGrid);
        if (modGlobal::CarvePuzzle(grid, seed, level)) seeds.push_back(seed);
    }
    return seeds;
}

void BM_MakeTransformKey(benchmark::State& state)
{
    RunTimeRandom rnd;
    rnd.Seed(3);
    for (auto _ : state) benchmark::DoNotOptimize(modGeneratePuzzle::MakeTransformKey(rnd));
}
BENCHMARK(BM_MakeTransformKey);

void BM_BuildSolution(benchmark::State& state)
{
    RunTimeRandom rnd;
    rnd.Seed(4);
    std::vector<std::string> keys;
    keys.reserve(1024);
    for (int i = 0; i < 1024; ++i) keys.push_back(modGeneratePuzzle::MakeTransformKey(rnd));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(modGeneratePuzzle::BuildSolution(keys[next]));
        next = (next + 1) % keys.size();
    }
}
BENCHMARK(BM_BuildSolution);

// Seed 101 at the level given; the copy of the solution is part of the game's
// work too, since the carving blanks a copy.
void BM_CarvePuzzleSeed101(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    const std::vector<std::string> solutions = SampleSolutions(64);
    std::size_t next = 0;
    for (auto _ : state) {
        std::string grid = solutions[next];
        benchmark::DoNotOptimize(modGlobal::CarvePuzzle(grid, 101, level));
        next = (next + 1) % solutions.size();
    }
}
BENCHMARK(BM_CarvePuzzleSeed101)->ArgName("level")->DenseRange(1, 3);

void BM_CarvePuzzleTypicalSeeds(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    const std::vector<std::string> solutions = SampleSolutions(64);
    const std::vector<std::int32_t> seeds = TypicalSeeds(level, 4096);
    std::size_t next = 0;
    for (auto _ : state) {
        std::string grid = solutions[next % solutions.size()];
        benchmark::DoNotOptimize(modGlobal::CarvePuzzle(grid, seeds[next], level));
        next = (next + 1) % seeds.size();
    }
}
BENCHMARK(BM_CarvePuzzleTypicalSeeds)->ArgName("level")->DenseRange(1, 3);

// A whole new puzzle as the game makes one: reseed from the clock, draw the
// key, build the solution, then carve a copy with a drawn seed, drawing
// another where a seed fails.
void BM_NewPuzzle(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    RunTimeRandom rnd;
    for (auto _ : state) {
        rnd.Randomize();
        const std::string solution = modGeneratePuzzle::BuildSolution(modGeneratePuzzle::MakeTransformKey(rnd));
        benchmark::DoNotOptimize(modGlobal::CarveFreshPuzzle(solution, level, rnd));
    }
}
BENCHMARK(BM_NewPuzzle)->ArgName("level")->DenseRange(1, 3);

} // namespace

BENCHMARK_MAIN();
