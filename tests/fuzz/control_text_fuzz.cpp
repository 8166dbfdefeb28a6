// Fuzzes the control-text parser of the picture button with and without the
// creation buffer's limit, in a single-byte and a double-byte code page: every part
// it returns lies inside the text.
#include <stdint.h>
#include <string.h>

#include <initializer_list>
#include <vector>

#include "control_text.h"
#include "fuzz_check.h"

namespace {

// Letters and digits on keys of their own, the rest on no key.
short KeyScan(char c) {
  if (c >= 'a' && c <= 'z') return (short)(c - 'a' + 'A');
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ? (short)c : (short)-1;
}

// Lead bytes of code page 932 (Shift-JIS).
bool ShiftJisLead(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool Inside(const char* p, const std::vector<char>& buffer) {
  return p >= buffer.data() && p < buffer.data() + buffer.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (int limit : {glyphkey::kNoTextLimit, glyphkey::kCreationTextLimit})
    for (bool dbcs : {false, true}) {
      // Room for the limit's terminating zero, as the control's fixed buffer has.
      std::vector<char> buffer(size + glyphkey::kTextBufferSize + 1, '\0');
      memcpy(buffer.data(), data, size);
      glyphkey::ControlText parsed =
          glyphkey::ParseControlText(buffer.data(), limit, KeyScan, dbcs ? ShiftJisLead : nullptr);
      FUZZ_CHECK(parsed.caption == buffer.data());
      FUZZ_CHECK(parsed.captionLength == (int)strlen(parsed.caption));
      if (limit > 0) FUZZ_CHECK(parsed.captionLength <= limit);
      if (!parsed.hasSeparator) FUZZ_CHECK(!parsed.up.present && !parsed.down.present);
      for (const glyphkey::IconName* icon : {&parsed.up, &parsed.down}) {
        if (!icon->present) continue;
        FUZZ_CHECK(Inside(icon->text, buffer));
        FUZZ_CHECK(!icon->isInteger || (icon->id > 0 || strlen(icon->text) >= 5));
        FUZZ_CHECK(icon->id < 65536);
      }
      FUZZ_CHECK(!parsed.down.present || parsed.up.present);
      FUZZ_CHECK(parsed.accelerator == 0 || (parsed.accelerator >= '0' && parsed.accelerator <= 'Z'));
    }
  return 0;
}
