// A RegistryView over a small table of keys and default values, for the host tests
// and the fuzz targets. It logs every call, counts opens and closes, and notices
// a key closed twice, a key never opened, or a query with a wrong buffer size.
#pragma once
#include <string.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "commands/association.h"

namespace testing_assoc {

class FakeRegistry : public assoc::RegistryView {
 public:
  // A key path below HKEY_CLASSES_ROOT ("\" between names) and its default value.
  // The keys on the way to it exist too, without a value.
  FakeRegistry() { keys_.insert({"", true}); }
  void AddValue(const std::string& path, const std::string& value) {
    values_[Fold(path)] = value;
    AddKey(path);
  }
  // A value stored as REG_EXPAND_SZ.
  void AddExpandableValue(const std::string& path, const std::string& value) {
    AddValue(path, value);
    expandable_.insert({Fold(path), true});
  }
  // The environment that ExpandEnvironment reads: %NAME% of a name not set stays as it is.
  std::map<std::string, std::string> environment = {{"systemroot", "C:\\Windows"},
                                                     {"programfiles", "C:\\Program Files"}};
  // An extension's class and that class's open command.
  void AddAssociation(const std::string& extension, const std::string& className,
                      const std::string& openCommand) {
    AddValue(extension, className);
    AddValue(className + "\\shell\\open\\command", openCommand);
  }
  // A value stored without its terminating zero (binary data, for instance).
  void AddUnterminatedValue(const std::string& path, const std::string& value) {
    AddValue(path, value);
    unterminated_.insert({Fold(path), true});
  }
  void AddKey(const std::string& path) {
    std::string folded = Fold(path);
    for (size_t i = 0; i <= folded.size(); i++)
      if (i == folded.size() || folded[i] == '\\') keys_.insert({folded.substr(0, i), true});
  }

  bool Open(Key parent, const char* subKey, Key* opened) override {
    std::string path = subKey;
    if (parent) {
      auto it = open_.find(parent);
      if (it == open_.end()) {
        faults.push_back("open from a key that is not open");
        return false;
      }
      // A key opened with an empty name is the root itself.
      path = it->second.empty() ? path : it->second + "\\" + subKey;
    }
    log.push_back("open " + path);
    opens++;
    if (!keys_.count(Fold(path))) {
      log.back() += " (missing)";
      return false;
    }
    Key key = reinterpret_cast<Key>(++lastHandle_);
    open_[key] = path;
    *opened = key;
    return true;
  }

  bool QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) override {
    auto it = open_.find(key);
    if (it == open_.end()) {
      faults.push_back("query of a key that is not open");
      return false;
    }
    if (*size != assoc::kValueTextSize) faults.push_back("query with size " + std::to_string(*size));
    log.push_back("query " + it->second);
    auto value = values_.find(Fold(it->second));
    if (value == values_.end()) return false;
    bool zero = !unterminated_.count(Fold(it->second));
    unsigned long needed = (unsigned long)value->second.size() + (zero ? 1 : 0);
    if (needed > assoc::kValueBufferSize) {  // characters, as the values here are ASCII
      *size = needed;  // as ERROR_MORE_DATA reports it
      return false;
    }
    memcpy(buffer, value->second.c_str(), needed);
    *size = needed;
    *expandable = expandable_.count(Fold(it->second)) != 0;
    return true;
  }

  bool ExpandEnvironment(const char* text, Text* expanded) override {
    log.push_back(std::string("expand ") + text);
    std::string result;
    for (const char* p = text; *p;) {
      const char* close = *p == '%' ? strchr(p + 1, '%') : nullptr;
      auto found = close ? environment.find(Fold(std::string(p + 1, close))) : environment.end();
      if (found != environment.end()) {
        result += found->second;
        p = close + 1;
      } else {
        result += *p++;
      }
    }
    if (result.size() >= assoc::kExpandedBufferSize) return false;
    expanded->Assign(result.c_str());
    return true;
  }

  void Close(Key key) override {
    auto it = open_.find(key);
    if (it == open_.end()) {
      faults.push_back("close of a key that is not open");
      return;
    }
    log.push_back("close " + it->second);
    closes++;
    open_.erase(it);
  }

  void ReportUnreadableCommand() override {
    log.push_back("report");
    reports++;
  }

  size_t openKeys() const { return open_.size(); }
  void ClearLog() {
    log.clear();
    opens = closes = reports = 0;
  }

  std::vector<std::string> log;     // "open path", "query path", "close path", "report"
  std::vector<std::string> faults;  // misuse of the view; must stay empty
  int opens = 0, closes = 0, reports = 0;

 private:
  // Registry key names ignore case.
  static std::string Fold(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; });
    return s;
  }
  std::map<std::string, bool> keys_;
  std::map<std::string, std::string> values_;
  std::map<std::string, bool> unterminated_;
  std::map<std::string, bool> expandable_;
  std::map<Key, std::string> open_;
  size_t lastHandle_ = 0;
};

}  // namespace testing_assoc
