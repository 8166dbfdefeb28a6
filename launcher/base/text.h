// Text: a small owned, growable, zero-terminated byte string, and the few text
// procedures that the launcher's pure code shares. No standard library strings:
// they would cost more than the whole launcher in a static Windows build.
// base/ owns what every other folder may use: this text and the allocation
// functions (new_delete.h). It uses nothing of the launcher.
#pragma once
#include <stddef.h>

class Text {
 public:
  Text() {}
  explicit Text(const char* text) { Assign(text); }
  Text(const char* text, size_t length) { Assign(text, length); }
  Text(const Text& other) { Assign(other.c_str(), other.length()); }
  Text& operator=(const Text& other) {
    if (this != &other) Assign(other.c_str(), other.length());
    return *this;
  }
  ~Text();

  const char* c_str() const { return data_ ? data_ : ""; }
  size_t length() const { return length_; }
  bool empty() const { return length_ == 0; }
  char operator[](size_t i) const { return data_[i]; }

  void Clear();
  void Assign(const char* text);
  void Assign(const char* text, size_t length);
  void Append(const char* text);
  void Append(const char* text, size_t length);
  void AppendChar(char c);
  void AppendInt(long value);  // signed decimal, like "%d"
  // Gives up the buffer to the caller (free() it); the text is empty afterwards.
  char* Release();
  // False when an allocation failed at some point: the text then holds what fit.
  bool ok() const { return ok_; }

 private:
  bool Reserve(size_t length);
  char* data_ = nullptr;
  size_t length_ = 0;
  size_t capacity_ = 0;
  bool ok_ = true;
};

// Is the byte the first byte of a double-byte character in the text's code page?
// Null means a single-byte code page.
typedef bool (*LeadByteTest)(unsigned char byte);

// The lead-byte test of a Windows ANSI code page: Shift-JIS (932), GBK (936), Korean
// (949) and Big5 (950) have double-byte characters; every other ANSI code page, UTF-8
// included, is read byte by byte (null). The one test of both programs, for the
// system's own code page as for any other.
LeadByteTest LeadByteTestFor(unsigned codePage);

// White space as the launcher trims it: blank and the characters 9 to 13.
inline bool IsTrimSpace(unsigned char c) {
  return c == ' ' || (c >= 9 && c <= 13);
}

// Lower case for ASCII letters only: key names and program names compare this way
// whatever the code page, so a double-byte character never matches a letter.
inline char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

// Do the length characters at a equal the text b, ignoring the case of ASCII letters?
bool EqualsIgnoringAsciiCase(const char* a, size_t length, const char* b);
// Does text begin with prefix, ignoring the case of ASCII letters? A shorter text stops
// at its zero, which matches no character of prefix.
bool StartsWithIgnoringAsciiCase(const char* text, const char* prefix);

// Reads a number the way the C library's atoi does: leading white space, an
// optional sign, decimal digits up to the first other character; 0 without
// digits. Values beyond the int range saturate instead of overflowing.
int LeadingNumber(const char* text);

// The range [begin, end) of text with white space removed at both ends, stepping
// over double-byte characters whole so that a trail byte is never taken for space.
void TrimRange(const char* text, size_t length, LeadByteTest isLeadByte, size_t* begin, size_t* end);

// First occurrence of c in text at a character boundary (double-byte aware), or null.
// In the code pages of Japanese, Chinese and Korean the second byte of a character may
// be "@", "\", "]" or "|": a byte search would cut "表" (Shift-JIS 0x95 0x5C) in two.
const char* FindCharacter(const char* text, char c, LeadByteTest isLeadByte);
// Last occurrence of c in text at a character boundary (double-byte aware), or null.
const char* FindLastCharacter(const char* text, char c, LeadByteTest isLeadByte);
// The first byte of the last character of text, or null when text is empty. A folder
// that ends in "表" (0x95 0x5C) ends in that character, not in a "\".
const char* LastCharacter(const char* text, LeadByteTest isLeadByte);
