// SPDX-License-Identifier: MIT
// Property of the line reader of `at --from`: however the reads cut the input,
// whether a read is interrupted, whether input is ready at once, the lines it hands
// out are the lines of the whole input (a byte-order mark at the start dropped, the
// last line given its "\n", a line over the limit cut to limit + 1 bytes), in blocks
// of whole lines of bounded size. When a read fails, the lines handed out before
// the failure is reported are the whole lines of the bytes read before it.
//
// The input: the text, then a byte that says how many times the text is repeated
// (so that lines over 4,096 bytes and inputs over a block come from short inputs)
// and whether a read fails, then four bytes that seed the cuts (FuzzedDataProvider
// takes numbers from the end).

#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "cli/io/errors.h"
#include "cli/io/instant_line.h"
#include "cli/io/line_blocks.h"
#include "fuzz_check.h"

namespace {

constexpr std::size_t kLimit = cli::kMaxInstantLineBytes;

// The whole lines of `bytes` as LineBlocks should give them; with `ended`, the
// text after the last "\n" is a line too.
std::string ExpectedLines(std::string_view bytes, bool ended) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos && !ended) break;
    const std::string_view line = bytes.substr(0, end);
    lines.append(line.substr(0, kLimit + 1));
    lines += '\n';
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  std::minstd_rand random(provider.ConsumeIntegral<uint32_t>());
  const auto shape = provider.ConsumeIntegral<uint8_t>();
  const std::string text = provider.ConsumeRemainingBytesAsString();
  const fuzz::InputScope scope(text);
  std::string input;
  for (int i = 0; i < 1 + (shape & 0x3F); ++i) input += text;
  const bool fails = (shape & 0x40) != 0;

  // Reads of random length, now and then interrupted; with `fails`, one read (or the
  // one at the end) fails instead.
  std::size_t offset = 0;
  const std::size_t failing_at = fails ? random() % (input.size() + 1) : std::string::npos;
  bool failed = false;
  cli::LineBlocks::Source source{
      [&](char* buffer, std::size_t most) -> ssize_t {
        if (random() % 8 == 0) {
          errno = EINTR;
          return -1;
        }
        std::size_t count = 1 + random() % (std::size_t{1} << (random() % 18));
        count = std::min({count, most, input.size() - offset});
        if (fails && offset + count > failing_at) count = failing_at - offset;
        if (fails && count == 0) {
          failed = true;
          errno = EIO;
          return -1;
        }
        input.copy(buffer, count, offset);
        offset += count;
        return static_cast<ssize_t>(count);
      },
      [&] { return random() % 4 != 0; }};
  cli::LineBlocks blocks(source, "input", kLimit, [] {});

  std::string lines;
  try {
    for (std::string block; blocks.Next(block);) {
      FUZZ_CHECK(block.back() == '\n', "a block is whole lines");
      FUZZ_CHECK(block.size() <= 2 * cli::LineBlocks::kBlockBytes + kLimit + 2,
                 "a block is bounded: " + std::to_string(block.size()) + " bytes");
      lines += block;
    }
    FUZZ_CHECK(!failed, "a failed read is reported");
  } catch (const cli::ValueError& error) {
    FUZZ_CHECK(failed, "only a failed read throws: " + error.message);
    FUZZ_CHECK(error.message == "cannot read 'input': Input/output error", "the failure says what: " + error.message);
  }
  const std::string expected = ExpectedLines(std::string_view(input).substr(0, offset), !failed);
  FUZZ_CHECK(lines == expected, "the lines read are the input's: " + std::to_string(lines.size()) + " bytes read, " +
                                    std::to_string(expected.size()) + " expected");
  return 0;
}
