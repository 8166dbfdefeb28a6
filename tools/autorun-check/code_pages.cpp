// Windows' MultiByteToWideChar, as far as menu files and the report need it, over
// iconv: an invalid sequence, or a byte the code page has no character for, becomes U+FFFD.
#include "code_pages.h"

#include <errno.h>
#include <string.h>

#include <vector>

namespace check {

namespace {

// Converts with cd; where iconv stops at a byte it cannot take, the replacement goes
// out and the byte is skipped.
size_t Convert(iconv_t cd, const char* in, size_t inSize, char* out, size_t outSize, const char* replacement,
               size_t replacementSize) {
  if (cd == (iconv_t)-1) return 0;
  char* input = const_cast<char*>(in);
  char* output = out;
  size_t outLeft = outSize;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  while (inSize) {
    if (iconv(cd, &input, &inSize, &output, &outLeft) != (size_t)-1) break;
    if (errno == E2BIG || outLeft < replacementSize) break;
    // A sequence cut by the end of the input is one invalid character.
    size_t skip = errno == EINVAL ? inSize : 1;
    for (size_t i = 0; i < replacementSize; i++) *output++ = replacement[i];
    outLeft -= replacementSize;
    input += skip, inSize -= skip;
  }
  return outSize - outLeft;
}

const char kReplacementUnit[] = {'\xFD', '\xFF'};  // U+FFFD in UTF-16LE

}  // namespace

std::string IconvName(unsigned codePage) {
  return codePage == menu::kUtf8CodePage ? "UTF-8" : "CP" + std::to_string(codePage);
}

std::string ConvertText(iconv_t cd, const std::string& text, const char* replacement) {
  // Four bytes out for each byte in covers a UTF-8 character or a replacement for each.
  std::vector<char> buffer(4 * text.size() + 4);
  size_t written =
      Convert(cd, text.data(), text.size(), buffer.data(), buffer.size(), replacement, strlen(replacement));
  return std::string(buffer.data(), written);
}

IconvCodePages::IconvCodePages(unsigned legacyCodePage) : isLegacyLead_(LeadByteTestFor(legacyCodePage)) {
  fromUtf8_ = iconv_open("UTF-16LE", "UTF-8");
  fromLegacy_ = iconv_open("UTF-16LE", IconvName(legacyCodePage).c_str());
}

IconvCodePages::~IconvCodePages() {
  for (iconv_t cd : {fromUtf8_, fromLegacy_})
    if (cd != (iconv_t)-1) iconv_close(cd);
}

size_t IconvCodePages::ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units,
                               size_t size) {
  std::vector<char> out(2 * size);
  size_t written = Convert(legacy ? fromLegacy_ : fromUtf8_, bytes, count, out.data(), out.size(),
                           kReplacementUnit, sizeof kReplacementUnit);
  for (size_t i = 0; i < written / 2; i++)
    units[i] = static_cast<unsigned short>((unsigned char)out[2 * i] | (unsigned char)out[2 * i + 1] << 8);
  return written / 2;
}

}  // namespace check
