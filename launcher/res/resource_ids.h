// The numbers the launcher's resources, its code, its tests and the screenshot tool
// share: templates, controls, commands, icons, strings and the entry limit. Plain
// macros, so that the resource compiler reads the same file as the compilers.
#pragma once

// The entry limit: the reader stops after the thirtieth entry, and a page has a button
// (a popup an item) for each entry.
#define MENU_MAX_ENTRIES 30
#define ID_FIRST_BUTTON 1001      // entry i has button 1001 + i
#define ID_FIRST_POPUP_ITEM 1101  // and popup item 1101 + i

// Templates.
#define IDD_ABOUT 100
#define IDD_LAUNCHER 103
#define IDM_POPUP 155
#define ID_POPUP_TITLE 65535  // the popup's inactive title item

// The About box's controls.
#define ID_AUTO_START_LIST 1201
#define ID_ANIMATION_ICON 1211
#define ID_FRAME_LABEL 1212
#define ID_VERSION_LABEL 1214
#define ID_AUTO_START_LABEL 1215

// The system menu's About item; 16 to 31 once the low bits are cleared.
#define ID_ABOUT_COMMAND 16

// Icons 201 to 226: the window's icon (the first), the menu buttons' pictures (icon
// 200 + n for item n of the icon list; 200 is no icon), the About box's frames.
#define IDI_NONE 200
#define IDI_WINDOW 201
#define IDI_FIRST 201
#define IDI_LAST 226

// The nine translatable messages' default texts: their numbers, then their texts, which
// the string table holds and the disc checker reports.
#define IDS_ABOUT_BOX_MENU 101
#define IDS_ABOUT_BOX_TITLE 104
#define IDS_ERROR_START 105
#define IDS_ERROR_OPEN 106
#define IDS_ERROR_CAPTION 107
#define IDS_SELECT_ITEM 109
#define IDS_NONE_TEXT 111
#define IDS_AUTO_START_LABEL 113
#define IDS_QUIT_BUTTON 115

#define TEXT_ABOUT_BOX_MENU "&About Autorun..."
#define TEXT_ABOUT_BOX_TITLE "About Autorun"
#define TEXT_ERROR_START "Unable to launch:"
#define TEXT_ERROR_OPEN "Unable to open the file:"
#define TEXT_ERROR_CAPTION "Error !"
#define TEXT_SELECT_ITEM "Select an item:"
#define TEXT_NONE_TEXT "<none>"
#define TEXT_AUTO_START_LABEL "Auto start:"
#define TEXT_QUIT_BUTTON "&Quit"
