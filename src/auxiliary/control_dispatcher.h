// The "MyWindow" window class: its procedure turns control notifications into
// handler threads listed in four module-wide tables (control events, scroll
// bars, toolbar commands, tool-tip texts). The program itself lists nothing;
// the tables are open so that a caller (or a test) can add entries.
#pragma once

#include <windows.h>

#include <vector>

namespace auxiliary {

// Control kinds an entry can be bound to.
namespace kinds {
inline constexpr int pushButton = 19;
inline constexpr int comboBox = 34;
inline constexpr int listBox = 35;
inline constexpr int listView = 38;
inline constexpr int ownWindow = 39;
inline constexpr int editOrCommand = 40;  // edit box, or a menu command id in `window`
inline constexpr int treeView = 81;
}  // namespace kinds

// Events an entry's handler is bound to.
namespace events {
inline constexpr int listSelectionChanged = 51;
inline constexpr int listDoubleClick = 52;
inline constexpr int click = 60;
inline constexpr int doubleClick = 61;
inline constexpr int sized = 62;
inline constexpr int destroyed = 63;
inline constexpr int menuCommand = 64;
inline constexpr int rightClick = 65;
inline constexpr int lineUp = 66;
inline constexpr int lineDown = 67;
inline constexpr int pageUp = 68;
inline constexpr int pageDown = 69;
inline constexpr int thumbTrack = 70;
inline constexpr int treeSelectionChanged = 71;
inline constexpr int treeDoubleClick = 72;
inline constexpr int toolbarButton = 73;
}  // namespace events

// The four fields every entry starts with. A handler is a thread procedure
// and receives a null pointer.
struct DispatchEntry {
    HWND window = nullptr;  // for a kind-40 command entry: the command id
    LPTHREAD_START_ROUTINE handler = nullptr;
    int kind = 0;
    int event = 0;
};

struct ControlEventEntry : DispatchEntry {};

struct ScrollBarEntry : DispatchEntry {
    int lineStep = 0;
    int pageStep = 0;
    int minimum = 0;
    int maximum = 0;
};

struct ToolbarCommandEntry : DispatchEntry {
    int commandId = 0;
    int reserved = 0;  // carried, never read
};

struct ToolTipEntry : DispatchEntry {
    UINT_PTR toolId = 0;
    const char* text = nullptr;  // NUL-terminated ANSI, owned by whoever added the entry
};

// Tables, stop flags and the windows the dispatcher consults. A stop flag
// set by a dispatch makes the next message's collection skip that table once.
struct DispatcherState {
    std::vector<ControlEventEntry> controlEvents;
    int stopControlEvents = 0;
    std::vector<ScrollBarEntry> scrollBarEvents;
    int stopScrollBarEvents = 0;
    std::vector<ToolbarCommandEntry> toolbarCommands;
    int stopToolbarCommands = 0;
    std::vector<ToolTipEntry> toolTipTexts;
    HWND toolbarWindow = nullptr;  // the toolbar whose commands the third table serves
    HWND mainWindow = nullptr;     // its destruction ends the message loop
    HWND targetWindow = nullptr;   // the window the current message concerns
    int scrollMinimum = 0;
    int scrollMaximum = 0;
};

inline constexpr char kMyWindowClassName[] = "MyWindow";

// Registers the "MyWindow" class once at start-up; the result is not checked,
// as a second registration failing changes nothing.
void RegisterMyWindowClass();

LRESULT CALLBACK MyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the handlers a message matches. False only when it destroyed the
// main window and posted the quit message. Without module state (before
// set-up or after the exit clean-up) it does nothing and returns true.
bool DispatchControlEvent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace auxiliary
