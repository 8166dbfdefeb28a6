// Icon sources read line by line: images, pixel rows, numbers and colour names, and
// the same source read again at a scale.
#include "source_parser.h"
#include "dpi/icon_scale.h"

#include <cstdlib>
#include <sstream>

namespace icondraw {

const Rgb kPalette[kPaletteSize] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
const char* const kColourNames[kPaletteSize] = {"black", "maroon",  "green", "olive", "navy", "purple",
                                                "teal",  "silver",  "gray",  "red",   "lime", "yellow",
                                                "blue",  "fuchsia", "aqua",  "white"};

namespace {

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line.substr(0, line.find('#')));
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

}  // namespace

bool Parser::Parse(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    ++line_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (rowsLeft_ > 0) {
      if (!PixelRow(line)) return false;
      continue;
    }
    std::vector<std::string> words = SplitWords(line);
    if (!words.empty() && !Command(words)) return false;
  }
  if (rowsLeft_ > 0) return Fail("the source ends " + std::to_string(rowsLeft_) + " pixel rows early");
  if (icon_->pictures.empty()) return Fail("no image: the source needs an 'image SIZE DEPTH' line");
  return true;
}

bool Parser::PixelRow(const std::string& raw) {
  std::string row = raw.substr(0, raw.find_last_not_of(" \t") + 1);
  size_t start = row.find_first_not_of(" \t");
  row = start == std::string::npos ? std::string() : row.substr(start);
  if (static_cast<int>(row.size()) != rowWidth_)
    return Fail("a pixel row needs " + std::to_string(rowWidth_) + " characters, this one has " +
                std::to_string(row.size()));
  const bool mono = Current().bitsPerPixel == 1;
  for (int i = 0; i < rowWidth_; ++i) {
    char c = row[i];
    int colour;
    if (c >= '0' && c <= '9')
      colour = c - '0';
    else if (c >= 'a' && c <= 'f')
      colour = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      colour = c - 'A' + 10;
    else if (c == '.')
      colour = kTransparent;
    else if (c == '-' && overlay_)
      colour = kKeep;
    else
      return Fail(std::string("'") + c + "' is no pixel: use 0-9, a-f, '.'" + (overlay_ ? " or '-'" : ""));
    if (mono && colour != kBlack && colour != kWhite && colour >= 0)
      return Fail("a 1bpp image has only black (0), white (f) and '.'");
    if (colour == kKeep) continue;
    if (scale_ == 1)
      Set(rowX_ + i, rowY_, colour);
    else
      Block(rowX_ + i, rowY_, colour);
  }
  ++rowY_;
  --rowsLeft_;
  return true;
}

bool Parser::Number(const std::string& word, double* value) {
  char* end = nullptr;
  *value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !std::isfinite(*value) || std::fabs(*value) > 1000)
    return Fail("'" + word + "' is not a number");
  return true;
}

bool Parser::Numbers(const std::vector<std::string>& words, size_t first, size_t count, double* values) {
  for (size_t i = 0; i < count; ++i)
    if (!Number(words[first + i], &values[i])) return false;
  return true;
}

bool Parser::Colour(const std::string& word, int* colour) {
  if (word == "none") {
    *colour = kTransparent;
    return true;
  }
  for (int i = 0; i < kPaletteSize; ++i) {
    if (word == kColourNames[i]) {
      if (Current().bitsPerPixel == 1 && i != kBlack && i != kWhite)
        return Fail("a 1bpp image has only black, white and none, not '" + word + "'");
      *colour = i;
      return true;
    }
  }
  return Fail("'" + word + "' is no colour: use one of the 16 VGA names or none");
}

bool Parser::Expect(const std::vector<std::string>& words, size_t least, size_t most, const char* usage) {
  if (words.size() < least || words.size() > most) return Fail(std::string("usage: ") + usage);
  return true;
}

bool ParseIconSource(const std::string& text, const std::string& name, IconSource* icon, std::string* error) {
  icon->pictures.clear();
  Parser parser(name, icon, error);
  return parser.Parse(text);
}

std::vector<int> LargeStoredSizes() {
  std::vector<int> sizes;
  for (int size : dpi::kStoredIconSizes)
    if (size > 32) sizes.push_back(size);
  return sizes;
}

bool DrawAtScale(const std::string& text, const std::string& name, IconSource* icon, std::string* error,
                 const std::vector<int>& sizes) {
  // The lines of the 32-pixel 16-colour image, the others left blank so that an error
  // names the source's own line; an image runs to the next "image" line.
  std::istringstream in(text);
  std::string line, block;
  bool inside = false, found = false;
  while (std::getline(in, line)) {
    std::vector<std::string> words = SplitWords(line);
    if (!words.empty() && words[0] == "image") {
      inside = words.size() == 3 && words[1] == "32" && words[2] == "4bpp";
      found = found || inside;
    }
    block += (inside ? line : std::string()) + "\n";
  }
  if (!found) return true;
  for (int size : sizes) {
    bool drawn = false;  // by the source itself, which is kept as it is
    for (const Picture& p : icon->pictures) drawn = drawn || (p.size == size && p.bitsPerPixel == 4);
    if (drawn) continue;
    IconSource scaled;
    Parser parser(name, &scaled, error, size / 32.0);
    if (!parser.Parse(block)) return false;
    scaled.pictures[0].png = true;
    icon->pictures.push_back(scaled.pictures[0]);
  }
  return true;
}

}  // namespace icondraw
