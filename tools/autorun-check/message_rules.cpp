// The Messages keys with their numbers and built-in texts, a misspelling finder, and
// the section as Windows' profile reader reads it, through the launcher's own walk:
// names matched without regard to case, only the first section of that name and the
// first of two equal keys counting, 511 characters of a text kept.
#include "message_rules.h"

#include <algorithm>

#include "letter_case.h"
#include "menu/message_walk.h"
#include "menu/messages.h"
#include "res/resource_ids.h"

namespace check {

namespace {
// The launcher's built-in texts (its string table), by message number.
const struct {
  unsigned number;
  const char* text;
} kDefaultTexts[] = {
    {IDS_QUIT_BUTTON, TEXT_QUIT_BUTTON},
    {IDS_ABOUT_BOX_TITLE, TEXT_ABOUT_BOX_TITLE},
    {IDS_ABOUT_BOX_MENU, TEXT_ABOUT_BOX_MENU},
    {IDS_ERROR_START, TEXT_ERROR_START},
    {IDS_ERROR_OPEN, TEXT_ERROR_OPEN},
    {IDS_ERROR_CAPTION, TEXT_ERROR_CAPTION},
    {IDS_SELECT_ITEM, TEXT_SELECT_ITEM},
    {IDS_NONE_TEXT, TEXT_NONE_TEXT},
    {IDS_AUTO_START_LABEL, TEXT_AUTO_START_LABEL},
};

// The launcher's keys in its loading order, with their built-in texts.
const MessageKey* MessageKeys() {
  static MessageKey keys[kMessageKeyCount];
  if (!keys[0].name) {
    for (int i = 0; i < kMessageKeyCount; i++) {
      keys[i] = {messages::kKeys[i].key, static_cast<int>(messages::kKeys[i].number), ""};
      for (const auto& text : kDefaultTexts)
        if (text.number == messages::kKeys[i].number) keys[i].defaultText = text.text;
    }
  }
  return keys;
}

// Edit distance with adjacent swaps counted as one edit (a common typing slip).
size_t Distance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

// "QuitButton, AboutBoxTitle, ... and AutoStart", in the launcher's order.
std::string KnownKeys() {
  std::string names;
  for (int i = 0; i < kMessageKeyCount; i++)
    names += std::string(i == 0 ? "" : i + 1 < kMessageKeyCount ? ", " : " and ") + MessageKeys()[i].name;
  return names;
}

}  // namespace

const MessageKey& MessageKeyAt(int i) {
  return MessageKeys()[i];
}

const MessageKey* FindMessageKey(const std::string& name) {
  std::string lower = LowerName(name, nullptr);
  for (int i = 0; i < kMessageKeyCount; i++)
    if (LowerName(MessageKeys()[i].name, nullptr) == lower) return &MessageKeys()[i];
  return nullptr;
}

const MessageKey* NearestMessageKey(const std::string& name) {
  std::string lower = LowerName(name, nullptr);
  const MessageKey* best = nullptr;
  size_t bestDistance = 0;
  for (int i = 0; i < kMessageKeyCount; i++) {
    const MessageKey& key = MessageKeys()[i];
    size_t distance = Distance(lower, LowerName(key.name, nullptr));
    if (!best || distance < bestDistance) best = &key, bestDistance = distance;
  }
  // A third of the key's letters wrong is still a slip; more is another word.
  size_t allowed = std::max<size_t>(2, std::string(best->name).size() / 3);
  return bestDistance <= allowed ? best : nullptr;
}

void JudgeMessages(const std::vector<ScannedLine>& lines, const std::string& file, bool startFile,
                   std::vector<Warning>* warnings) {
  auto warn = [&](int line, const std::string& text) { warnings->push_back({file, line, text}); };
  messages::SectionWalk walk;
  for (const ScannedLine& line : lines) {
    profile::Span name, text;
    int index = -1;
    messages::LineUse use = walk.Next(line.text.c_str(), &name, &text, &index);
    if (use == messages::LineUse::kSection || use == messages::LineUse::kLaterSection) {
      if (!startFile)
        warn(line.number,
             "the launcher reads Messages only from the disc's autorun.inf; this section changes nothing");
      continue;
    }
    if (!startFile || use == messages::LineUse::kNone) continue;
    std::string key = line.text.substr(name.begin, name.end - name.begin);
    std::string value = line.text.substr(text.begin, text.end - text.begin);
    if (use == messages::LineUse::kUnread) {
      warn(line.number,
           "the key '" + key + "' is in a second Messages section, which the launcher never reads" +
               " (it reads only the section of line " + std::to_string(walk.sectionLine()) + ")");
      continue;
    }
    if (use == messages::LineUse::kUnknown) {
      const MessageKey* nearest = NearestMessageKey(key);
      if (nearest)
        warn(line.number, "unknown Messages key '" + key + "'; did you mean '" + nearest->name + "'?");
      else
        warn(line.number, "unknown Messages key '" + key + "'; the launcher reads " + KnownKeys());
      continue;
    }
    const MessageKey& known = MessageKeyAt(index);
    if (use == messages::LineUse::kRepeated) {
      warn(line.number, std::string("the key ") + known.name + " is given twice; the first one counts");
      continue;
    }
    if (value.empty())
      warn(line.number, std::string(known.name) +
                            " is empty: the launcher shows no text there (remove the line "
                            "to keep \"" +
                            known.defaultText + "\")");
    else if (value.size() > kMessageLimit)
      warn(line.number, std::string(known.name) + " is longer than " + std::to_string(kMessageLimit) +
                            " characters; the launcher keeps the first " + std::to_string(kMessageLimit));
  }
}

}  // namespace check
