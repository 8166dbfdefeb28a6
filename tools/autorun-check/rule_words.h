// The words every family of rules shares: how a warning is filed, quotes a value and
// names an entry.
#pragma once
#include <string>
#include <vector>

#include "disc_report.h"

namespace check {

// The warnings of one menu file.
class FileWarnings {
 public:
  FileWarnings(const std::string& file, std::vector<Warning>* warnings) : file_(file), warnings_(warnings) {}
  void Warn(int line, const std::string& text) { warnings_->push_back({file_, line, text}); }

 private:
  const std::string& file_;
  std::vector<Warning>* warnings_;
};

inline std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

// "entry 3 '&Setup'": entries are counted from 1, as the author reads them.
inline std::string EntryName(int index, const std::string& caption) {
  return "entry " + std::to_string(index + 1) + " " + Quoted(caption);
}

}  // namespace check
