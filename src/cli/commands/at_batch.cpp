// SPDX-License-Identifier: MIT
#include "cli/commands/at_batch.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "cli/io/at_row.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/input_file.h"
#include "cli/io/instant_line.h"
#include "cli/io/line_blocks.h"
#include "cli/io/standard_output.h"
#include "platform/core/runtime_error.h"

namespace cli {
namespace {

// Whole lines of the input and what they give.
struct Block {
  std::string lines;
  std::string rows;  // the first rows_size bytes; the rest is room to write in
  std::size_t rows_size = 0;
  std::vector<std::pair<std::size_t, std::string>> complaints;  // index of the line in the block, message
  std::size_t line_count = 0;
  std::exception_ptr failure;  // what else Evaluate threw (out of memory), for the writer to throw
  bool done = false;           // evaluated; guarded by the evaluation's mutex
};

void Evaluate(Block& block, RowFormat format) {
  block.rows_size = 0;
  block.complaints.clear();
  block.line_count = 0;
  const char* at = block.lines.data();
  const char* const end = at + block.lines.size();  // every line of a block ends in "\n"
  while (at != end) {
    try {
      if (const std::optional<Instant> instant = ReadInstantLine(at, end, at)) {
        // Written in place: a row is too small to be worth a copy of its own.
        if (block.rows.size() - block.rows_size < kMaxAtRowBytes) {
          block.rows.resize(std::max(2 * block.rows.size(), block.rows_size + kMaxAtRowBytes));
        }
        char* const start = block.rows.data() + block.rows_size;
        block.rows_size += static_cast<std::size_t>(WriteAtRow(start, format, *instant, ValueAt(*instant)) - start);
      }
    } catch (const ValueError& error) {
      block.complaints.emplace_back(block.line_count, error.message);
    } catch (const platform::RuntimeError& error) {
      block.complaints.emplace_back(block.line_count, error.description());
    }
    ++block.line_count;
  }
}

// The processors this process may run on (taskset and cpusets count), at least 1.
unsigned Processors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1u, std::thread::hardware_concurrency());
}

// Blocks are evaluated on one thread per processor (8 at most) and their rows written in the
// order of the input: the engine is the costly part, and each line is evaluated by
// itself, so the values are those of one evaluation at a time.
class OrderedEvaluation {
 public:
  OrderedEvaluation(RowFormat format, CommandOutput& out) : format_(format), out_(out) {
    // Beyond 8 the one thread that reads and writes is the limit.
    const unsigned processors = std::min(Processors(), 8u);
    try {
      for (unsigned i = 0; processors > 1 && i < processors; ++i) threads_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {  // fewer threads, or none: the rest is done here
    }
    most_in_flight_ = threads_.size() + 1;
  }

  ~OrderedEvaluation() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    work_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  OrderedEvaluation(const OrderedEvaluation&) = delete;
  OrderedEvaluation& operator=(const OrderedEvaluation&) = delete;

  // A free block to fill with lines.
  std::unique_ptr<Block> FreeBlock() {
    if (spare_.empty()) return std::make_unique<Block>();
    auto block = std::move(spare_.back());
    spare_.pop_back();
    return block;
  }

  void Add(std::unique_ptr<Block> block) {
    if (in_flight_.size() >= most_in_flight_) WriteOldest();
    block->done = false;
    if (threads_.empty()) {
      Evaluate(*block, format_);
      block->done = true;
    } else {
      const std::lock_guard lock(mutex_);
      queue_.push_back(block.get());
    }
    work_.notify_one();
    in_flight_.push_back(std::move(block));
  }

  void WriteAll() {
    while (!in_flight_.empty()) WriteOldest();
  }

 private:
  void Work() {
    for (;;) {
      Block* block = nullptr;
      {
        std::unique_lock lock(mutex_);
        work_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;
        block = queue_.front();
        queue_.pop_front();
      }
      try {
        Evaluate(*block, format_);
      } catch (...) {
        block->failure = std::current_exception();
      }
      {
        const std::lock_guard lock(mutex_);
        block->done = true;
      }
      done_.notify_all();
    }
  }

  void WriteOldest() {
    std::unique_ptr<Block> block = std::move(in_flight_.front());
    in_flight_.pop_front();
    {
      std::unique_lock lock(mutex_);
      done_.wait(lock, [&] { return block->done; });
    }
    if (block->failure) std::rethrow_exception(std::exchange(block->failure, nullptr));
    for (const auto& [index, message] : block->complaints) {
      out_.Complain("line " + std::to_string(lines_before_ + index + 1) + ": " + message);
    }
    lines_before_ += block->line_count;
    spare_.push_back(std::move(block));
    out_ += std::string_view(spare_.back()->rows.data(), spare_.back()->rows_size);
  }

  RowFormat format_;
  CommandOutput& out_;
  std::vector<std::thread> threads_;
  std::size_t most_in_flight_ = 1;
  std::mutex mutex_;
  std::condition_variable work_;
  std::condition_variable done_;
  std::deque<Block*> queue_;  // waiting for a thread
  bool stopping_ = false;
  std::deque<std::unique_ptr<Block>> in_flight_;  // in the order of the input
  std::vector<std::unique_ptr<Block>> spare_;
  std::size_t lines_before_ = 0;
};

}  // namespace

void RunAtBatch(const std::string& path, RowFormat format, CommandOutput& out) {
  const InputFile input(path);
  OrderedEvaluation evaluation(format, out);
  LineBlocks blocks(input.fd(), path, kMaxInstantLineBytes, [&] {
    evaluation.WriteAll();
    out.FlushNow();
  });
  try {
    for (;;) {
      std::unique_ptr<Block> block = evaluation.FreeBlock();
      if (!blocks.Next(block->lines)) break;
      evaluation.Add(std::move(block));
    }
  } catch (const ValueError&) {
    // The rows and complaints of the lines read before the input failed are written
    // before the failure is reported.
    evaluation.WriteAll();
    out.FlushNow();
    throw;
  }
  evaluation.WriteAll();
}

}  // namespace cli
