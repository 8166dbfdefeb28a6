// Menu files saved as Unicode: which encoding a file is read in, and a byte source
// that hands the menu reader the file's text: a file saved in the ANSI code page as its
// bytes stand, every other one as UTF-8, never narrowed to the ANSI code page.
#pragma once
#include <stddef.h>

#include "menu/menu_reader.h"

namespace menu {

const unsigned kUtf8CodePage = 65001;
const unsigned kWindowsLatin1 = 1252;  // the legacy code page when the system names none

// How the bytes of a file become text.
enum class Encoding {
  kAnsi,        // the bytes as they are: ANSI text, or UTF-8 when UTF-8 is the ANSI code page
  kUtf8,        // UTF-8 (with or without its byte-order mark), invalid sequences made U+FFFD
  kUtf16Le,     // UTF-16 with the mark FF FE, converted to UTF-8
  kUtf16Be,     // UTF-16 with the mark FE FF, converted to UTF-8
  kLegacyAnsi,  // only when UTF-8 is the ANSI code page: a file that is not UTF-8, read in
                // the legacy ANSI code page and converted to UTF-8
};

struct EncodingChoice {
  Encoding encoding = Encoding::kAnsi;
  unsigned markLength = 0;  // bytes of the byte-order mark, dropped before the text
  // Is the text the reader gets UTF-8 (else bytes of the ANSI code page, ansiCodePage)?
  unsigned TextCodePage(unsigned ansiCodePage) const {
    return encoding == Encoding::kAnsi ? ansiCodePage : kUtf8CodePage;
  }
};

// The platform's conversions between code pages.
class CodePages {
 public:
  // Whole characters of UTF-8 (legacy false) or of the legacy ANSI code page to UTF-16
  // units; an invalid UTF-8 sequence becomes U+FFFD. Answers the units written.
  virtual size_t ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units,
                         size_t size) = 0;
  virtual bool IsLegacyLeadByte(unsigned char byte) = 0;

 protected:
  ~CodePages() {}
};

// The legacy ANSI code page when UTF-8 is the ANSI code page, from the system's two
// answers: the legacy code page it names for that setting (0 where it does not know
// the question), else its locale's default ANSI code page. An answer that is 0 (a
// Unicode-only locale), UTF-8 itself or not installed counts as none; without either,
// Windows-1252.
unsigned LegacyCodePage(unsigned utf8Legacy, unsigned localeDefault, bool (*installed)(unsigned codePage));

// The text of a file, converted read by read in bounded memory. A character that the
// end of a read cuts (a UTF-8 sequence, a surrogate pair, a double-byte character, a
// UTF-16 unit) waits for the next read; at the end of the file the lone last byte of a
// UTF-16 file is dropped, and a cut character is converted as it is, which makes it
// U+FFFD.
class TextSource : public ByteSource {
 public:
  TextSource(ByteSource& bytes, CodePages& codePages) : bytes_(bytes), codePages_(codePages) {}
  // Reads the file from its start and chooses its encoding. A byte-order mark decides
  // by itself. Without one, a file is UTF-8 when the whole file is strict UTF-8 (no
  // overlong forms, no surrogates, nothing above U+10FFFF, no sequence cut by the
  // end: an ANSI file that ends in "é" stays ANSI) and holds a byte above 127. The
  // reading stops once the choice is settled; the caller then puts the file back at
  // the start of its text, markLength bytes from its start, for Read: a file is read
  // twice at most. False on a read error.
  bool Choose(bool ansiIsUtf8);
  // Reads with a choice made before, for another reading of the same file.
  void Use(const EncodingChoice& choice) { choice_ = choice; }
  const EncodingChoice& choice() const { return choice_; }
  long Read(char* buffer, size_t size) override;

 private:
  static const size_t kChunk = 1024;
  bool Fill();
  ByteSource& bytes_;
  CodePages& codePages_;
  EncodingChoice choice_;
  size_t carried_ = 0, outPos_ = 0, outLength_ = 0;
  bool ended_ = false;
  char raw_[kChunk];
  unsigned short units_[kChunk];
  char out_[3 * kChunk + 1];  // 3 bytes of UTF-8 at most for each unit, and a zero
};

}  // namespace menu
