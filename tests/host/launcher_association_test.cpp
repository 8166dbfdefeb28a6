// Association lookups over a fake registry: results, the trailing switch, the
// 256-byte limit, and every key closed in order on every path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/association.h"
#include "launcher_fake_registry.h"

using testing_assoc::FakeRegistry;
using Log = std::vector<std::string>;

namespace {

class Association : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(registry.openKeys(), 0u) << "a key was left open";
    EXPECT_TRUE(registry.faults.empty()) << registry.faults.front();
  }
  std::string Class(const char* extension, bool* found) {
    Text name("stale");
    *found = assoc::LookupDocumentClass(registry, extension, &name);
    return name.c_str();
  }
  std::string OpenCommand(const char* className, bool* found) {
    Text command("stale");
    *found = assoc::LookupOpenCommand(registry, className, &command);
    return command.c_str();
  }
  std::string Build(const char* document) {
    return assoc::BuildAssociationCommand(registry, document).c_str();
  }
  FakeRegistry registry;
};

TEST_F(Association, DocumentClass) {
  registry.AddValue(".txt", "txtfile");
  registry.AddValue(".empty", "");
  registry.AddKey(".novalue");
  registry.AddValue(".long255", std::string(255, 'c'));
  registry.AddValue(".long256", std::string(256, 'c'));
  bool found;
  EXPECT_EQ(Class(".txt", &found), "txtfile");
  EXPECT_TRUE(found);
  EXPECT_EQ(registry.log, (Log{"open .txt", "query .txt", "close .txt"}));
  EXPECT_EQ(Class(".TXT", &found), "txtfile");  // key names ignore case
  EXPECT_EQ(Class(".empty", &found), "");
  EXPECT_TRUE(found);
  EXPECT_EQ(Class(".long255", &found), std::string(255, 'c'));
  EXPECT_TRUE(found);
  for (const char* missing : {".long256", ".novalue", ".none"}) {
    registry.ClearLog();
    EXPECT_EQ(Class(missing, &found), "") << missing;
    EXPECT_FALSE(found) << missing;
    EXPECT_EQ(registry.closes, registry.log.front().find("missing") == std::string::npos ? 1 : 0);
  }
}

TEST_F(Association, ValueWithoutItsZeroIsNotReadPastTheBuffer) {
  registry.AddUnterminatedValue(".bin", std::string(256, 'b'));
  bool found;
  EXPECT_EQ(Class(".bin", &found), std::string(256, 'b'));
  EXPECT_TRUE(found);
}

TEST_F(Association, OpenCommandLosesOneTrailingSwitch) {
  const struct {
    const char* value;
    const char* expected;
  } cases[] = {
      {"reader.exe /s", "reader.exe"},    {"app.exe /a /b", "app.exe /a"},
      {"app.exe -x", "app.exe"},          {"app.exe %1", "app.exe %1"},
      {"app.exe /a %1", "app.exe /a %1"}, {"app.exe", "app.exe"},
      {"app.exe /", "app.exe"},           {"app.exe a/b", "app.exe a/b"},
      {"app.exe\t/x", "app.exe\t/x"},     {" /x", ""},
      {"app.exe /x ", "app.exe /x "},     {"", ""},
  };
  for (const auto& c : cases) {
    FakeRegistry fresh;
    fresh.AddValue("cls\\shell\\open\\command", c.value);
    Text command;
    EXPECT_TRUE(assoc::LookupOpenCommand(fresh, "cls", &command)) << c.value;
    EXPECT_STREQ(command.c_str(), c.expected) << c.value;
    EXPECT_EQ(fresh.openKeys(), 0u);
  }
}

TEST_F(Association, OpenCommandClosesInnermostFirstOnEveryPath) {
  registry.AddValue("ok\\shell\\open\\command", "viewer.exe \"%1\"");
  registry.AddKey("noshell");
  registry.AddKey("noopen\\shell");
  registry.AddKey("nocommand\\shell\\open");
  registry.AddKey("novalue\\shell\\open\\command");
  registry.AddValue("toolong\\shell\\open\\command", std::string(256, 'x'));
  registry.AddValue("fits\\shell\\open\\command", std::string(255, 'x'));
  bool found;
  EXPECT_EQ(OpenCommand("ok", &found), "viewer.exe \"%1\"");
  EXPECT_TRUE(found);
  EXPECT_EQ(registry.log,
            (Log{"open ok", "open ok\\shell", "open ok\\shell\\open", "open ok\\shell\\open\\command",
                 "query ok\\shell\\open\\command", "close ok\\shell\\open\\command", "close ok\\shell\\open",
                 "close ok\\shell", "close ok"}));

  registry.ClearLog();
  OpenCommand("nocommand", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(registry.log, (Log{"open nocommand", "open nocommand\\shell", "open nocommand\\shell\\open",
                               "open nocommand\\shell\\open\\command (missing)",
                               "close nocommand\\shell\\open", "close nocommand\\shell", "close nocommand"}));

  // Each failure point: the keys opened before it, and only those, are closed.
  const struct {
    const char* className;
    int closes;
  } failures[] = {{"absent", 0}, {"noshell", 1}, {"noopen", 2}, {"novalue", 4}, {"toolong", 4}};
  for (const auto& f : failures) {
    registry.ClearLog();
    EXPECT_EQ(OpenCommand(f.className, &found), "") << f.className;
    EXPECT_FALSE(found) << f.className;
    EXPECT_EQ(registry.closes, f.closes) << f.className;
  }
  EXPECT_EQ(OpenCommand("fits", &found), std::string(255, 'x'));
  EXPECT_TRUE(found);
}

TEST_F(Association, EmptyClassNameOpensShellUnderTheRoot) {
  registry.AddValue(".odd", "");
  registry.AddValue("shell\\open\\command", "rootopen.exe");
  bool found;
  std::string className = Class(".odd", &found);
  EXPECT_TRUE(found);
  EXPECT_EQ(OpenCommand(className.c_str(), &found), "rootopen.exe");
  EXPECT_TRUE(found);
}

TEST_F(Association, BuildsTheCommandLineOfADocument) {
  registry.AddAssociation(".txt", "txtfile", "editor.exe %1");
  registry.AddAssociation(".doc", "docfile", "word.exe");
  registry.AddAssociation(".htm", "htmfile", "browser.exe \"%1\" /s");

  EXPECT_EQ(Build("docs\\a.txt"), "editor.exe docs\\a.txt");
  EXPECT_EQ(registry.log, (Log{"open .txt", "query .txt", "open txtfile\\shell\\open\\command",
                               "query txtfile\\shell\\open\\command", "close txtfile\\shell\\open\\command",
                               "close .txt"}));
  EXPECT_EQ(Build("docs\\a.doc"), "word.exe docs\\a.doc");  // no placeholder: blank and document
  // The placeholder stays in its quotes, and the trailing switch is kept here.
  EXPECT_EQ(Build("my page.htm"), "browser.exe \"my page.htm\" /s");
  // Only the last "." counts.
  EXPECT_EQ(Build("v1.2\\read.me.txt"), "editor.exe v1.2\\read.me.txt");
}

TEST_F(Association, DocumentFailuresGiveEmptyTextAndCloseTheirKeys) {
  registry.AddAssociation(".txt", "txtfile", "editor.exe %1");
  registry.AddKey(".noclass");
  registry.AddValue(".nocmd", "nocmdfile");
  registry.AddAssociation(".unreadable", "badfile", std::string(256, 'x'));

  // No "." at all: not a single registry call.
  EXPECT_EQ(Build("README"), "");
  EXPECT_TRUE(registry.log.empty());
  // Text after the extension is part of it, so no key matches.
  EXPECT_EQ(Build("a.txt /p"), "");
  EXPECT_EQ(registry.log, (Log{"open .txt /p (missing)"}));

  registry.ClearLog();
  EXPECT_EQ(Build("a.noclass"), "");
  EXPECT_EQ(registry.log, (Log{"open .noclass", "query .noclass", "close .noclass"}));

  registry.ClearLog();
  EXPECT_EQ(Build("a.nocmd"), "");
  EXPECT_EQ(registry.log, (Log{"open .nocmd", "query .nocmd",
                               "open nocmdfile\\shell\\open\\command (missing)", "close .nocmd"}));
  EXPECT_EQ(registry.reports, 0);

  // The one loud failure: the report comes before the keys are closed.
  registry.ClearLog();
  EXPECT_EQ(Build("a.unreadable"), "");
  EXPECT_EQ(registry.log, (Log{"open .unreadable", "query .unreadable", "open badfile\\shell\\open\\command",
                               "query badfile\\shell\\open\\command", "report",
                               "close badfile\\shell\\open\\command", "close .unreadable"}));
}

TEST_F(Association, LongestClassNameBuildsItsPathWhole) {
  std::string className(255, 'k');
  registry.AddValue(".big", className);
  registry.AddValue(className + "\\shell\\open\\command", "big.exe %1");
  EXPECT_EQ(Build("x.big"), "big.exe x.big");
  EXPECT_EQ(registry.log[2], "open " + className + "\\shell\\open\\command");
}

TEST(SubstituteDocument, ReplacesOnlyTheFirstPlaceholderAndNothingElse) {
  const struct {
    const char* commandTemplate;
    const char* document;
    const char* expected;
  } cases[] = {
      {"editor.exe %1", "a.txt", "editor.exe a.txt"},
      {"editor.exe \"%1\"", "my a.txt", "editor.exe \"my a.txt\""},
      {"\"%SystemRoot%\\app.exe\" \"%1\" %*", "d.txt", "\"%SystemRoot%\\app.exe\" \"d.txt\" %*"},
      {"app.exe %L", "d.txt", "app.exe %L d.txt"},
      {"app.exe %1 %1", "d", "app.exe d %1"},
      {"app.exe 100%% %s %d %n %1", "d", "app.exe 100%% %s %d %n d"},
      {"app.exe %1", "%1%s%n", "app.exe %1%s%n"},  // the document is never read as a format either
      {"%1", "d", "d"},
      {"app.exe %", "d", "app.exe % d"},
      {"", "d", " d"},
      {"app.exe %1", "", "app.exe "},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(assoc::SubstituteDocument(c.commandTemplate, c.document).c_str(), c.expected)
        << c.commandTemplate;
  }
}

}  // namespace

// Windows keeps the open commands of its own classes as REG_EXPAND_SZ: they are used
// expanded, REG_SZ values exactly as stored, and an expansion too long for its buffer
// counts as a value that cannot be read.
TEST_F(Association, ExpandableValuesAreUsedExpanded) {
  registry.AddValue(".txt", "txtfile");
  registry.AddExpandableValue("txtfile\\shell\\open\\command", "%SystemRoot%\\system32\\NOTEPAD.EXE %1");
  registry.AddAssociation(".log", "logfile", "%SystemRoot%\\log.exe %1");
  registry.AddValue(".pdf", "pdffile");
  registry.AddExpandableValue("pdffile\\shell\\open\\command", "\"%ProgramFiles%\\Reader\\reader.exe\" /s");
  registry.AddValue(".odd", "oddfile");
  registry.AddExpandableValue("oddfile\\shell\\open\\command", "%Unknown%\\odd.exe %1");
  registry.AddValue(".big", "bigfile");
  registry.AddExpandableValue("bigfile\\shell\\open\\command", "%Big% %1");
  registry.environment["big"] = std::string(assoc::kExpandedBufferSize - 3, 'b');  // with " %1": 1024 characters

  EXPECT_EQ(Build("docs\\install.txt"), "C:\\Windows\\system32\\NOTEPAD.EXE docs\\install.txt");
  EXPECT_EQ(Build("a.log"), "%SystemRoot%\\log.exe a.log");  // REG_SZ: nothing expanded
  EXPECT_EQ(Build("a.odd"), "%Unknown%\\odd.exe a.odd");      // as ExpandEnvironmentStrings leaves it
  bool found;
  // The class's own switch is removed from the expanded command.
  EXPECT_EQ(OpenCommand("pdffile", &found), "\"C:\\Program Files\\Reader\\reader.exe\"");
  EXPECT_TRUE(found);
  EXPECT_EQ(OpenCommand("bigfile", &found), "");
  EXPECT_FALSE(found);
  registry.ClearLog();
  EXPECT_EQ(Build("a.big"), "");
  EXPECT_EQ(registry.reports, 1);
}

TEST(PreferNativeProgramFolders, ProgramFolderReferencesOnly) {
  const struct {
    const char* value;
    const char* expected;
  } cases[] = {
      {"\"%ProgramFiles%\\App\\app.exe\" \"%1\"", "\"%ProgramW6432%\\App\\app.exe\" \"%1\""},
      {"%programfiles%\\a.exe", "%ProgramW6432%\\a.exe"},
      {"%CommonProgramFiles%\\x.exe %ProgramFiles%", "%CommonProgramW6432%\\x.exe %ProgramW6432%"},
      {"%ProgramFiles(x86)%\\old.exe", "%ProgramFiles(x86)%\\old.exe"},
      {"%SystemRoot%\\notepad.exe %1", "%SystemRoot%\\notepad.exe %1"},
      {"%ProgramFiles", "%ProgramFiles"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_STREQ(assoc::PreferNativeProgramFolders(c.value).c_str(), c.expected);
}
