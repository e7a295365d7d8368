// SPDX-License-Identifier: MIT
// The parts of `at --from` one line at a time, on the same mixed lines as
// batch_speed.sh (half YEAR MONTH DAY HOUR, half ISO 8601): reading a line, the
// engine's value, writing the row, and the three together as a thread of the batch
// does them. Each reports nanoseconds per line. A million lines, not a few
// thousand gone through again and again: over 4,096 the engine came out a third
// faster than it is in a batch (the processor, presumably, learning the branches
// of the short cycle).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "cli/io/at_row.h"
#include "cli/io/instant_line.h"

namespace {

// 2^20 lines made as batch_speed.sh makes them (other numbers, the same forms).
const std::vector<std::string>& MixedLines() {
  static const std::vector<std::string> lines = [] {
    std::mt19937 random(20);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<std::string> made;
    char line[64];
    for (int i = 0; i < (1 << 20); ++i) {
      const int year = between(1800, 2200);
      const int month = between(1, 12);
      const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
      const int day = between(1, kDays[month - 1] + (month == 2 && leap ? 1 : 0));
      const int hh = between(0, 23);
      const int mm = between(0, 59);
      const int ss = between(0, 59);
      switch (i % 2 == 0 ? 0 : between(1, 3)) {
        case 0: {
          const int quarters = between(0, 95);
          // Python prints a quarter-hour float as "4.75" or "13.0".
          if (quarters % 4 == 0) std::snprintf(line, sizeof line, "%d %d %d %d.0", year, month, day, quarters / 4);
          else std::snprintf(line, sizeof line, "%d %d %d %g", year, month, day, quarters / 4.0);
          break;
        }
        case 1: std::snprintf(line, sizeof line, "%04d-%02d-%02dT%02d:%02dZ", year, month, day, hh, mm); break;
        case 2: std::snprintf(line, sizeof line, "%04d-%02d-%02dT%02d:%02d:%02dZ", year, month, day, hh, mm, ss); break;
        default: std::snprintf(line, sizeof line, "%04d-%02d-%02d", year, month, day); break;
      }
      made.emplace_back(line);
    }
    return made;
  }();
  return lines;
}

const std::vector<cli::Instant>& MixedInstants() {
  static const std::vector<cli::Instant> instants = [] {
    std::vector<cli::Instant> read;
    for (const std::string& line : MixedLines()) read.push_back(*cli::ReadInstantLine(line));
    return read;
  }();
  return instants;
}

// The lines as a block of at --from holds them, each ended by "\n".
const std::string& MixedBlock() {
  static const std::string block = [] {
    std::string lines;
    for (const std::string& line : MixedLines()) lines += line + '\n';
    return lines;
  }();
  return block;
}

void BM_ReadInstantLine(benchmark::State& state) {
  const std::string& block = MixedBlock();
  const char* const end = block.data() + block.size();
  const char* at = block.data();
  for (auto _ : state) {
    benchmark::DoNotOptimize(cli::ReadInstantLine(at, end, at));
    if (at == end) at = block.data();
  }
}
BENCHMARK(BM_ReadInstantLine);

void BM_ValueAt(benchmark::State& state) {
  const auto& instants = MixedInstants();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(cli::ValueAt(instants[i]));
    i = (i + 1) % instants.size();
  }
}
BENCHMARK(BM_ValueAt);

void BM_WriteAtRow(benchmark::State& state) {
  const auto& instants = MixedInstants();
  std::vector<Module1::EotValue> values;
  for (const cli::Instant& instant : instants) values.push_back(cli::ValueAt(instant));
  const auto format = static_cast<cli::RowFormat>(state.range(0));
  char row[cli::kMaxAtRowBytes];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(cli::WriteAtRow(row, format, instants[i], values[i]));
    benchmark::ClobberMemory();
    i = (i + 1) % instants.size();
  }
}
BENCHMARK(BM_WriteAtRow)->Arg(static_cast<int>(cli::RowFormat::kText))->Arg(static_cast<int>(cli::RowFormat::kCsv));

// Read, evaluate and write, as one evaluating thread does for each line.
void BM_LineToRow(benchmark::State& state) {
  const std::string& block = MixedBlock();
  const char* const end = block.data() + block.size();
  const char* at = block.data();
  char row[cli::kMaxAtRowBytes];
  for (auto _ : state) {
    const cli::Instant instant = *cli::ReadInstantLine(at, end, at);
    benchmark::DoNotOptimize(cli::WriteAtRow(row, cli::RowFormat::kText, instant, cli::ValueAt(instant)));
    benchmark::ClobberMemory();
    if (at == end) at = block.data();
  }
}
BENCHMARK(BM_LineToRow);

}  // namespace

BENCHMARK_MAIN();
