// The ANSI code page that Windows gives a language's users (its locale's default ANSI
// code page): where a menu file saved as ANSI text in that language shows right.
#pragma once

namespace check {

const int kNoAnsiCodePage = 0;    // Windows has none for the language: Unicode only
const int kUnknownCodePage = -1;  // a language the table does not hold

// The code page of a language tag ("ru", "sr-Cyrl-RS", "zh-TW"): 1251 for Russian, 950
// for Traditional Chinese; kNoAnsiCodePage for Hindi, Georgian and the other languages
// without one.
int AnsiCodePageOf(const char* tag);

}  // namespace check
