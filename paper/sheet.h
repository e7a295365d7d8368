// SPDX-License-Identifier: MIT
#pragma once

// What every sheet of paper/ is written as.
namespace paper {

enum class SheetFormat { kPdf, kSvg };
enum class SheetLanguage { kJapanese, kEnglish };

}  // namespace paper
