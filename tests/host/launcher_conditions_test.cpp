// Where an entry is shown and which start menu a user reads: QXif conditions read and
// asked of facts passed in, QXlanguage lines matched against the user's languages, and
// QXrun values.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "launcher_menu_source.h"
#include "menu/disc_path.h"
#include "menu/entry_condition.h"
#include "menu/language_choice.h"
#include "menu/menu_entry.h"

using menu::Architecture;
using menu::ConditionKind;
using menu::PathState;

namespace {

// A machine made up for the test: its files, its variables, a remote drive R:, its
// registry keys and values ("HKLM:key" and "HKLM:key:value").
class FakeFacts : public menu::SystemFacts {
 public:
  FakeFacts() { discRoot.Assign("D:\\"); }
  bool Variable(const char* name, Text* value) const override {
    auto found = variables.find(name);
    if (found == variables.end()) return false;
    value->Assign(found->second.c_str());
    return true;
  }
  PathState Probe(const char* fullPath) const override {
    asked += std::string(fullPath) + ";";
    if (fullPath[0] == 'R') return PathState::kUntouchable;
    return files.count(fullPath) ? PathState::kExists : PathState::kMissing;
  }
  PathState ProbeDisc(const char* discPath) const override {
    return Probe(menu::FullDiscPath(discRoot.c_str(), discPath).c_str());
  }
  bool RegistryHas(menu::RegistryRoot root, const char* key, const char* value) const override {
    const char* names[] = {"HKLM", "HKCU", "HKCR"};
    std::string asked = std::string(names[(int)root]) + ":" + key + (value ? std::string(":") + value : "");
    return keys.count(asked) > 0;
  }
  std::map<std::string, std::string> variables = {{"ProgramFiles", "C:\\Program Files"}, {"Empty", ""}};
  std::map<std::string, bool> files = {{"C:\\Program Files\\Product\\run.exe", true},
                                       {"D:\\drivers\\x64", true}};
  std::map<std::string, bool> keys = {{"HKLM:Software\\Vendor", true},
                                      {"HKLM:Software\\Vendor:Path", true},
                                      {"HKCU:Software\\Vendor:", true}};
  mutable std::string asked;
};

FakeFacts Machine(Architecture architecture, menu::WindowsVersion version, const char* language = "en-US") {
  FakeFacts facts;
  facts.architecture = architecture;
  facts.version = version;
  facts.languages.Add(language);
  return facts;
}

const menu::WindowsVersion kWindows7 = {6, 1, 7601}, kWindows81 = {6, 3, 9600}, kWindows10 = {10, 0, 19045},
                           kWindows11 = {10, 0, 22631};

TEST(EntryCondition, ReadsConditionsSeparatedByBlanksWithQuotedPaths) {
  const char* value =
      "  64-bit\t!windows<10 exists:\"%ProgramFiles%\\My Product\\a b.exe\" \"missing:C:\\x y\" bogus";
  struct Row {
    ConditionKind kind;
    bool negated;
    const char* argument;
  } rows[] = {{ConditionKind::k64Bit, false, ""},
              {ConditionKind::kWindowsBelow, true, ""},
              {ConditionKind::kExists, false, "%ProgramFiles%\\My Product\\a b.exe"},
              {ConditionKind::kMissing, false, "C:\\x y"},
              {ConditionKind::kUnknown, false, ""}};
  menu::Condition c;
  for (const Row& row : rows) {
    ASSERT_TRUE(menu::NextCondition(&value, &c));
    EXPECT_EQ(c.kind, row.kind) << c.text.c_str();
    EXPECT_EQ(c.negated, row.negated) << c.text.c_str();
    EXPECT_STREQ(c.argument.c_str(), row.argument);
  }
  EXPECT_FALSE(menu::NextCondition(&value, &c));
  // Versions outside the list, a path or tag left empty: unknown.
  for (const char* unknown : {"windows>=9", "windows<10.1", "windows=10", "exists:", "language:", "64bit",
                              "x", "registry:", "registry:HKU\\S-1-5-18", "registry:HKLMX\\a"}) {
    const char* p = unknown;
    ASSERT_TRUE(menu::NextCondition(&p, &c));
    EXPECT_EQ(c.kind, ConditionKind::kUnknown) << unknown;
  }
}

TEST(EntryCondition, ArchitectureAndVersionAreWindowsOwn) {
  struct Row {
    const char* value;
    bool x86on7, x64on10, arm64on11;
  } rows[] = {
      {"32-bit", true, false, false},
      {"64-bit", false, true, true},  // Windows on ARM is 64-bit Windows too
      {"64-bit !arm64", false, true, false},
      {"arm64", false, false, true},
      {"x64", false, true, true},  // Windows 11 on ARM runs x64 programs
      {"windows>=10", false, true, true},
      {"windows<10", true, false, false},
      {"windows>=11", false, false, true},
      {"windows>=8.1 windows<11", false, true, false},
      {"WINDOWS>=7", true, true, true},
      {"", true, true, true},
      // Unknown conditions hold with or without "!", as where QXif is not known at all.
      {"!later-key 32-bit", true, false, false},
      {"later-key !32-bit", false, true, true},
  };
  FakeFacts x86on7 = Machine(Architecture::kX86, kWindows7);
  FakeFacts x64on10 = Machine(Architecture::kX64, kWindows10);
  FakeFacts arm64on11 = Machine(Architecture::kArm64, kWindows11);
  for (const Row& row : rows) {
    EXPECT_EQ(menu::ConditionsHold(row.value, x86on7), row.x86on7) << row.value;
    EXPECT_EQ(menu::ConditionsHold(row.value, x64on10), row.x64on10) << row.value;
    EXPECT_EQ(menu::ConditionsHold(row.value, arm64on11), row.arm64on11) << row.value;
  }
  // Windows 11 begins at build 22000 of 10.0; 8.1 is 6.3.
  EXPECT_TRUE(menu::ConditionsHold("windows<11", Machine(Architecture::kX64, {10, 0, 21999})));
  EXPECT_FALSE(menu::ConditionsHold("windows<11", Machine(Architecture::kX64, {10, 0, 22000})));
  EXPECT_TRUE(menu::ConditionsHold("windows>=8.1 windows<10", Machine(Architecture::kX64, kWindows81)));
  // Windows 10 on ARM emulates x86 alone.
  EXPECT_FALSE(menu::ConditionsHold("x64", Machine(Architecture::kArm64, {10, 0, 19045})));
  EXPECT_TRUE(menu::ConditionsHold("64-bit !x64", Machine(Architecture::kArm64, {10, 0, 19045})));
}

TEST(EntryCondition, PathsAreExpandedAndTakenFromTheDiscUnlessAbsolute) {
  struct Row {
    const char* value;
    bool holds;
    const char* asked;  // the paths the system was asked about
  } rows[] = {
      {"exists:\"%ProgramFiles%\\Product\\run.exe\"", true, "C:\\Program Files\\Product\\run.exe;"},
      {"missing:%ProgramFiles%\\Other", true, "C:\\Program Files\\Other;"},
      {"!exists:%ProgramFiles%\\Other", true, "C:\\Program Files\\Other;"},
      {"exists:drivers\\x64", true, "D:\\drivers\\x64;"},
      {"exists:\\drivers\\.\\x64", true, "D:\\drivers\\x64;"},
      {"exists:drivers/x64", true, "D:\\drivers\\x64;"},
      // Never touched, and false whether negated or not: the network, a remote drive,
      // a name that climbs off the disc, an unset variable, a drive-relative name.
      {"exists:\\\\server\\share\\a", false, ""},
      {"missing:\\\\server\\share\\a", false, ""},
      {"!exists:%Empty%\\\\server\\share", false, ""},
      {"missing:R:\\tools", false, "R:\\tools;"},
      {"missing:..\\outside", false, ""},
      {"missing:C:relative", false, ""},
      // A variable that is not set leaves its path missing, without a look.
      {"missing:%NoSuchVariable%\\a", true, ""},
      {"!exists:%NoSuchVariable%\\a", true, ""},
      {"exists:%NoSuchVariable%\\a", false, ""},
      // NT paths, devices and wildcards, on the disc and in absolute paths alike.
      {"exists:\\??\\UNC\\host\\share\\x", false, ""},
      {"!exists:\\??\\UNC\\host\\share\\x", false, ""},
      {"missing:\\\\?\\C:\\x", false, ""},
      {"!exists:\\\\.\\pipe\\x", false, ""},
      {"!exists:C:\\COM1", false, ""},
      {"missing:C:\\x\\CONIN$", false, ""},
      {"missing:C:\\x\\lpt\xB9.txt", false, ""},
      {"missing:C:\\x\\*.exe", false, ""},
      {"missing:C:\\x\\...", false, ""},
      {"missing:%ProgramFiles%\\..\\Other", true, "C:\\Program Files\\..\\Other;"},
  };
  for (const Row& row : rows) {
    FakeFacts facts = Machine(Architecture::kX64, kWindows10);
    EXPECT_EQ(menu::ConditionsHold(row.value, facts), row.holds) << row.value;
    EXPECT_EQ(facts.asked, row.asked) << row.value;
  }
  // Without the disc's root a relative path is never looked at; an absolute one still is.
  FakeFacts noRoot = Machine(Architecture::kX64, kWindows10);
  noRoot.discRoot.Clear();
  EXPECT_FALSE(menu::ConditionsHold("missing:drivers\\x86", noRoot));
  EXPECT_FALSE(menu::ConditionsHold("!exists:drivers\\x86", noRoot));
  EXPECT_TRUE(menu::ConditionsHold("exists:\"%ProgramFiles%\\Product\\run.exe\"", noRoot));
  EXPECT_EQ(noRoot.asked, "C:\\Program Files\\Product\\run.exe;");
  // Under code page 932, 表 (0x95 0x5C) is one character, not 0x95 and a separator.
  FakeFacts japanese = Machine(Architecture::kX64, kWindows10);
  japanese.isLeadByte = LeadByteTestFor(932);
  EXPECT_FALSE(menu::ConditionsHold("exists:\x95\x5C", japanese));
  EXPECT_EQ(japanese.asked, "D:\\\x95\x5C;");
  // A condition that fails stops the rest being asked.
  FakeFacts facts = Machine(Architecture::kX86, kWindows10);
  EXPECT_FALSE(menu::ConditionsHold("64-bit exists:drivers\\x64", facts));
  EXPECT_EQ(facts.asked, "");
}

TEST(EntryCondition, RegistryKeysAndValues) {
  struct Row {
    const char* value;
    bool holds;
  } rows[] = {
      {"registry:HKLM\\Software\\Vendor", true},
      {"registry:hkey_local_machine\\Software\\Vendor\\\\Path", true},
      {"\"registry:HKLM\\Software\\Vendor\\\\Path\"", true},
      {"registry:HKLM\\Software\\Vendor\\\\Other", false},
      {"!registry:HKLM\\Software\\Other", true},
      {"registry:HKCU\\Software\\Vendor", false},
      {"registry:HKCU\\Software\\Vendor\\\\", true},  // the key's default value
      {"registry:HKU\\S-1-5-18", true},               // a root not known: holds, like any unknown condition
      {"!registry:HKU\\S-1-5-18", true},
  };
  FakeFacts facts = Machine(Architecture::kX64, kWindows10);
  for (const Row& row : rows) EXPECT_EQ(menu::ConditionsHold(row.value, facts), row.holds) << row.value;
  // The value's name follows the first doubled "\\" that is not a character's second byte.
  menu::RegistryRoot root;
  Text key, value;
  bool hasValue;
  ASSERT_TRUE(
      menu::ReadRegistryPath("HKCR\\A\x95\\\\\\V", &root, &key, &value, &hasValue, LeadByteTestFor(932)));
  EXPECT_EQ(root, menu::RegistryRoot::kClassesRoot);
  EXPECT_STREQ(key.c_str(), "A\x95\\");
  EXPECT_STREQ(value.c_str(), "V");
  EXPECT_TRUE(hasValue);
}

TEST(EntryCondition, LanguageIsOneTheUserReads) {
  FakeFacts swiss = Machine(Architecture::kX64, kWindows10, "de-CH");
  swiss.languages.Add("fr-CH");
  EXPECT_TRUE(menu::ConditionsHold("language:de-CH", swiss));
  EXPECT_TRUE(menu::ConditionsHold("language:DE", swiss));
  EXPECT_FALSE(menu::ConditionsHold("language:de-DE", swiss));
  EXPECT_TRUE(menu::ConditionsHold("language:fr", swiss));  // the second language counts too
  EXPECT_FALSE(menu::ConditionsHold("!language:fr", swiss));
  EXPECT_FALSE(menu::ConditionsHold("language:it", swiss));
  EXPECT_TRUE(menu::ConditionsHold("!language:it", swiss));
  // Windows' own fallback: Hong Kong Chinese reads Traditional Chinese.
  FakeFacts hongKong = Machine(Architecture::kX64, kWindows10, "zh-HK");
  EXPECT_TRUE(menu::ConditionsHold("language:zh-Hant", hongKong));
  EXPECT_FALSE(menu::ConditionsHold("language:zh-Hans", hongKong));
  FakeFacts none = Machine(Architecture::kX64, kWindows10, "");
  EXPECT_FALSE(menu::ConditionsHold("language:en", none));
}

// The file that a user with these languages reads, from these QXlanguage lines.
std::string Chosen(const std::string& menu, std::initializer_list<const char*> user) {
  testing_menu::MemorySource source(menu);
  menu::LineReader reader(source);
  menu::LanguageLines lines;
  menu::ReadMenu(reader, nullptr, lines);
  menu::UserLanguages languages;
  for (const char* tag : user) languages.Add(tag);
  int i = lines.Choose(languages);
  return i < 0 ? "" : lines.at(i).file.c_str();
}

TEST(LanguageChoice, ExactTagThenPrimaryLanguageForEachUserLanguageInOrder) {
  const std::string menu =
      "[autorun]\n"
      "QXlanguage=de,de-DE  lang\\deutsch.inf\n"
      "QXlanguage=de-CH\tlang\\schweiz.inf\n"
      "QXlanguage=pt-BR,pt lang\\portugues.inf\n"
      "QXlanguage=zh-TW lang\\taiwan.inf\n"
      "QXlanguage=fr\n"  // no file: not a line
      "shell\\a=A\n"
      "QXlanguage=fr-FR lang\\late.inf\n"  // after the first entry: not looked at
      "shell\\a\\command=a.exe\n";
  struct Row {
    std::initializer_list<const char*> user;
    const char* file;
  } rows[] = {
      {{"de-CH"}, "lang\\schweiz.inf"},
      {{"DE-at"}, "lang\\deutsch.inf"},
      {{"de"}, "lang\\deutsch.inf"},
      {{"pt-PT"}, "lang\\portugues.inf"},
      {{"zh-CN", "zh-TW"}, "lang\\taiwan.inf"},            // zh-CN matches nothing, not even "zh"
      {{"it-IT", "de-AT", "de-CH"}, "lang\\deutsch.inf"},  // the user's order counts
      {{"fr-FR"}, ""},
      {{}, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Chosen(menu, row.user), row.file) << *row.user.begin();
  EXPECT_EQ(Chosen("QXlanguage=en readme.inf\n", {"en-GB"}), "readme.inf");
}

// Windows' parents: each user language, then what Windows falls back to from it, before
// the next language; "_" reads as "-".
TEST(LanguageChoice, WindowsParentsDecideTheFile) {
  const std::string menu =
      "QXlanguage=zh-Hant hant.inf\n"
      "QXlanguage=zh-Hans hans.inf\n"
      "QXlanguage=sr-Latn latn.inf\n"
      "QXlanguage=es-419 latam.inf\n"
      "QXlanguage=es_ES spain.inf\n"
      "QXlanguage=pt-PT portugal.inf\n"
      "QXlanguage=no norsk.inf\n";
  struct Row {
    std::initializer_list<const char*> user;
    const char* file;
  } rows[] = {
      {{"zh-TW"}, "hant.inf"},      {{"zh-HK"}, "hant.inf"},
      {{"zh-Hant-TW"}, "hant.inf"}, {{"zh-CN"}, "hans.inf"},
      {{"zh-SG"}, "hans.inf"},      {{"sr-Latn-RS"}, "latn.inf"},
      {{"sr-Cyrl-RS"}, ""},         {{"es-MX"}, "latam.inf"},
      {{"es-ES"}, "spain.inf"},     {{"es-ES_tradnl"}, "spain.inf"},
      {{"pt-AO"}, "portugal.inf"},  {{"pt-BR"}, ""},
      {{"nb-NO"}, "norsk.inf"},     {{"de-DE", "zh-MO"}, "hant.inf"},
  };
  for (const Row& row : rows) EXPECT_EQ(Chosen(menu, row.user), row.file) << *row.user.begin();
  // A reader of Traditional Chinese is not handed the file for "zh", which is Simplified.
  EXPECT_EQ(Chosen("QXlanguage=zh zh.inf\n", {"zh-TW"}), "");
  EXPECT_EQ(Chosen("QXlanguage=zh zh.inf\n", {"zh-CN"}), "zh.inf");

  menu::UserLanguages user;
  user.Add("fr-CA");
  user.Add("en-GB");
  for (const char* tag : {"fr-CA", "fr", "en-gb", "en-001", "EN", "en_GB"})
    EXPECT_TRUE(menu::ReadsLanguage(user, tag)) << tag;
  for (const char* tag : {"fr-FR", "en-US", "de", ""}) EXPECT_FALSE(menu::ReadsLanguage(user, tag)) << tag;
}

TEST(LanguageChoice, TagsNoWindowsUserReaches) {
  for (const char* tag :
       {"de", "de_DE", "sr-Latn-RS", "es-419", "zh-Hant", "zh-TW", "en-001", "ckb-IQ", "de-CH-1996"})
    EXPECT_TRUE(menu::ReachedByWindows(tag)) << tag;
  for (const char* tag : {"zh-CHS", "zh-CHT", "iw", "in-ID", "zh-Hant-TW", "german", "d", "de-", "1e",
                          "de DE", "de-toolongsubtag"})
    EXPECT_FALSE(menu::ReachedByWindows(tag)) << tag;
}

TEST(LanguageChoice, RightToLeftByLanguageOrScript) {
  for (const char* tag : {"ar", "ar-EG", "he-IL", "fa", "ur-PK", "ps", "sd", "ug-CN", "yi", "dv", "syr",
                          "ckb-IQ", "pa-Arab", "ku-Arab-IQ", "az_Arab", "ff-Adlm"})
    EXPECT_TRUE(menu::IsRightToLeft(tag)) << tag;
  for (const char* tag :
       {"en", "arn", "sd-Deva", "ku", "pa-Guru", "az-Latn", "uz-Cyrl", "he-Latn", "", "syrc"})
    EXPECT_FALSE(menu::IsRightToLeft(tag)) << tag;
  // A language line's file reads as its first tag; a page's QXdirection overrides that.
  menu::LanguageLine line;
  for (auto row : {std::make_pair("ar,ar-EG menu-ar.inf", true), std::make_pair("he-IL x.inf", true),
                   std::make_pair("en,ar x.inf", false)}) {
    ASSERT_TRUE(menu::ParseLanguageValue(row.first, &line)) << row.first;
    EXPECT_EQ(menu::LineIsRightToLeft(line), row.second) << row.first;
  }
  EXPECT_TRUE(menu::PageIsRightToLeft("RTL", false));
  EXPECT_FALSE(menu::PageIsRightToLeft("ltr", true));
  EXPECT_TRUE(menu::PageIsRightToLeft("", true));  // not given, or not understood: the start's
  EXPECT_FALSE(menu::PageIsRightToLeft("right", false));
}

TEST(RunStyle, ValuesIgnoreCaseAndOthersAreUnknown) {
  EXPECT_EQ(ParseRunStyle("wait"), RunStyle::kWait);
  EXPECT_EQ(ParseRunStyle("CLOSE"), RunStyle::kClose);
  EXPECT_EQ(ParseRunStyle("waiting"), RunStyle::kUnknown);
  EXPECT_EQ(ParseRunStyle(""), RunStyle::kUnknown);
}

}  // namespace
