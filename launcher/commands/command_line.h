// What a menu command means and which command line it starts. Pure: the only
// outside inputs are the association lookups of the registry view.
// commands/ owns composing and starting command lines: this composition, the
// association lookups and the elevation decision are pure; the system calls are
// in its _win32 files (the registry view, the start itself). It may use base/
// and menu/.
#pragma once
#include "base/text.h"
#include "commands/association.h"
#include "res/resource_ids.h"

namespace command {

const unsigned kFirstButtonId = ID_FIRST_BUTTON;
const unsigned kFirstPopupItemId = ID_FIRST_POPUP_ITEM;
const int kNoEntry = -1;
// What opens a document through its association; the program part that stood before
// the document is dropped for it.
const char kUrlHandlerPrefix[] = "rundll32.exe url.dll,FileProtocolHandler ";

// The entry index 0 to 29 of a button or popup-item identifier, or kNoEntry.
int EntryIndexForId(unsigned id);

// The document of a "%" command: the text after its first blank, or the whole
// command when it has none.
Text PercentCommandDocument(const char* command);

enum class Kind { kReload, kPopup, kStart };
// "[file]" reloads, "<file>" opens a popup, anything else is started.
Kind Classify(const char* commandLine);
// The file named by a reload or popup command: from the second character up to the
// first closing bracket (closing = ']' or '>'), or all the rest without one. The
// search steps over double-byte characters, whose second byte may be "]".
Text MenuFileOf(const char* commandLine, char closing, LeadByteTest isLeadByte = nullptr);

// The parts of a command line as ComposeCommandLine reads them, for the disc checker's
// advice too. ".exe", written so, is the one extension never looked up (".EXE" is).
const char kNeverLookedUp[] = ".exe";
// The extension looked up: from the last "." up to the first blank after it; "" without a ".".
Text CommandExtension(const char* commandLine);
// The rest after the program part: from the first non-blank after the first blank; the
// whole line when it has no blank.
const char* CommandRest(const char* commandLine);

// How ComposeCommandLine made the line it answers.
enum class Composition {
  kAsWritten,      // the command itself: its extension has no association, or is ".exe"
  kUrlHandler,     // a document with an association, opened through kUrlHandlerPrefix; any
                   // program part before it dropped
  kRundll,         // "rundll32.exe" or "rundll32." kept in front of the rest
  kOpenCommand,    // a document with a switch: its class's open command, the document, the switch
  kNoOpenCommand,  // the same without an open command: the rest, from the document on
};

// The command line started for a program or document command; *how, when given, says
// how it was composed.
Text ComposeCommandLine(assoc::RegistryView& registry, const char* commandLine, Composition* how = nullptr);

}  // namespace command
