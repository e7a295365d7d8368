// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "cli/io/command.h"
#include "sheet_layout/sheet.h"

// The options every command that writes a sheet reads alike: the format, the
// language, the paper and where the output goes. Each throws ValueError naming the
// option.
namespace cli {

// The format: --format, which must be one of `formats`, else the extension of
// --output when it is one of them, else `fallback`. Lower case whatever was typed.
std::string ReadSheetFormatName(const ParsedCommand& parsed, const std::vector<std::string>& formats,
                                const std::string& fallback);

// "pdf" or "svg" as the sheet's format.
paper::SheetFormat SheetFormatNamed(const std::string& name);

// --lang ja (the default) or en.
paper::SheetLanguage ReadSheetLanguage(const ParsedCommand& parsed);

// --paper a4 (the default), a3 or letter.
paper::PaperSize ReadPaper(const ParsedCommand& parsed);

// Whether the output goes to standard output: no --output, or --output -.
bool ToStandardOutput(const ParsedCommand& parsed);

// Refuses (UsageError) to write a page to a terminal, where it would be noise:
// "COMMAND writes a page, not text: give --output FILE, redirect standard output"
// and, when the command can write text, "or --format csv".
void RefusePageToTerminal(const std::string& command, const ParsedCommand& parsed, bool has_text_format);

}  // namespace cli
