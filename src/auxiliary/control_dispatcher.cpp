#include "auxiliary/control_dispatcher.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <optional>

#include "auxiliary/auxiliary_state.h"
#include "gdiplus/binding.h"

namespace auxiliary {

namespace {

constexpr int kAnyEvent = -1;

// Where a matching row finds the window an entry must be bound to.
enum class WindowFrom { hwnd, lParam, notifySender };

// A further test of a row, besides message, kind, window and event.
enum class Condition { none, notifyCode, highWord, droppedComboHighWord };

struct MatchRow {
    UINT message;
    int kind;
    bool anyKindBut;  // the row applies to every kind except `kind`
    WindowFrom windowFrom;
    Condition condition;
    UINT value;  // the notification code or HIWORD(wParam) the condition wants
    int event;  // kAnyEvent: not tested
};

// Checked in this order for each candidate; the first row that matches wins.
constexpr MatchRow kMatchRows[] = {
    {WM_SIZE, kinds::ownWindow, false, WindowFrom::hwnd, Condition::none, 0, events::sized},
    {WM_DESTROY, kinds::ownWindow, false, WindowFrom::hwnd, Condition::none, 0, events::destroyed},
    {WM_RBUTTONDOWN, kinds::ownWindow, false, WindowFrom::hwnd, Condition::none, 0, events::rightClick},
    {WM_RBUTTONDOWN, kinds::ownWindow, true, WindowFrom::lParam, Condition::none, 0, events::rightClick},
    {WM_COMMAND, kinds::pushButton, false, WindowFrom::lParam, Condition::none, 0, kAnyEvent},
    {WM_COMMAND, kinds::editOrCommand, false, WindowFrom::lParam, Condition::highWord, EN_CHANGE, kAnyEvent},
    {WM_COMMAND, kinds::comboBox, false, WindowFrom::lParam, Condition::droppedComboHighWord, CBN_SELENDOK, kAnyEvent},
    {WM_COMMAND, kinds::listBox, false, WindowFrom::lParam, Condition::highWord, LBN_SELCHANGE, events::listSelectionChanged},
    {WM_COMMAND, kinds::listBox, false, WindowFrom::lParam, Condition::highWord, LBN_DBLCLK, events::listDoubleClick},
    {WM_NOTIFY, kinds::listView, false, WindowFrom::notifySender, Condition::notifyCode, NM_DBLCLK, events::doubleClick},
    {WM_NOTIFY, kinds::listView, false, WindowFrom::notifySender, Condition::notifyCode, NM_CLICK, events::click},
    {WM_NOTIFY, kinds::listView, false, WindowFrom::notifySender, Condition::notifyCode, NM_RCLICK, events::rightClick},
    {WM_NOTIFY, kinds::treeView, false, WindowFrom::notifySender, Condition::notifyCode, NM_DBLCLK, events::treeDoubleClick},
    {WM_NOTIFY, kinds::treeView, false, WindowFrom::notifySender, Condition::notifyCode, TVN_SELCHANGEDA, events::treeSelectionChanged},
    {WM_NOTIFY, kinds::treeView, false, WindowFrom::notifySender, Condition::notifyCode, NM_RCLICK, events::rightClick},
};

// One message as the dispatcher reads it.
struct Message {
    HWND hwnd;
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
    std::optional<NMHDR> header;  // copied out of lParam for WM_NOTIFY

    HWND lParamWindow() const { return reinterpret_cast<HWND>(lParam); }
    UINT highWord() const { return HIWORD(wParam); }
    UINT lowWord() const { return LOWORD(wParam); }
};

bool RowMatches(const MatchRow& row, const DispatchEntry& entry, const Message& msg) {
    if (msg.id != row.message) return false;
    if ((entry.kind == row.kind) == row.anyKindBut) return false;
    if (row.windowFrom == WindowFrom::notifySender && !msg.header) return false;
    // A combo box is asked first, whatever the other tests would say.
    if (row.condition == Condition::droppedComboHighWord &&
        SendMessageA(entry.window, CB_GETDROPPEDSTATE, 0, 0) != 1) {
        return false;
    }
    HWND bound = row.windowFrom == WindowFrom::hwnd     ? msg.hwnd
                 : row.windowFrom == WindowFrom::lParam ? msg.lParamWindow()
                                                        : msg.header->hwndFrom;
    if (entry.window != bound) return false;
    switch (row.condition) {
        case Condition::none:
            break;
        case Condition::notifyCode:
            if (msg.header->code != row.value) return false;
            break;
        case Condition::highWord:
        case Condition::droppedComboHighWord:
            if (msg.highWord() != row.value) return false;
            break;
    }
    return row.event == kAnyEvent || entry.event == row.event;
}

bool MatchesControlEvent(const DispatchEntry& entry, const Message& msg) {
    for (const MatchRow& row : kMatchRows) {
        if (RowMatches(row, entry, msg)) return true;
    }
    return false;
}

// The dispatcher never waits for a handler. A button's handler insists: it
// runs on this thread when no thread can be made.
void StartHandler(const DispatchEntry& entry) {
    const DWORD flags = entry.kind == kinds::pushButton ? CTF_INSIST : 0;
    LATE_BOUND("shlwapi.dll", SHCreateThread)(entry.handler, nullptr, flags, nullptr);
}

// Walks a table from its first entry, handing each to `take`. A set stop
// flag is cleared instead, and the table gives no candidates for this message.
template <typename Entry, typename Take>
void WalkTable(const std::vector<Entry>& table, int* stopFlag, Take take) {
    for (const Entry& entry : table) {
        if (stopFlag != nullptr && *stopFlag == 1) {
            *stopFlag = 0;
            return;
        }
        take(entry);
    }
}

// The new position a scroll code gives, or nothing when the code does not
// belong to the entry's event.
std::optional<int> NewScrollPosition(const ScrollBarEntry& entry, int code, int position, int thumb) {
    auto raised = [&](int p) { return p <= entry.minimum ? entry.minimum : p; };
    auto lowered = [&](int p) { return p >= entry.maximum ? entry.maximum : p; };
    if (code == SB_LINEUP && entry.event == events::lineUp) return raised(position - entry.lineStep);
    if (code == SB_LINEDOWN && entry.event == events::lineDown) return lowered(position + entry.lineStep);
    if (code == SB_PAGEUP && entry.event == events::pageUp) return raised(position - entry.pageStep);
    if (code == SB_PAGEDOWN && entry.event == events::pageDown) return lowered(position + entry.pageStep);
    // A thumb below the minimum is taken as it is.
    if (code == SB_THUMBTRACK && entry.event == events::thumbTrack) return lowered(thumb);
    return std::nullopt;
}

}  // namespace

void RegisterMyWindowClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = MyWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));  // no such icon: the class has none
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMyWindowClassName;
    RegisterClassExA(&wc);
}

LRESULT CALLBACK MyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DispatchControlEvent(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool DispatchControlEvent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    AuxiliaryState* state = CurrentAuxiliaryState();
    if (state == nullptr) return true;
    DispatcherState& d = state->dispatcher;

    Message msg{hwnd, message, wParam, lParam, std::nullopt};
    if (message == WM_NOTIFY && lParam != 0) msg.header = *reinterpret_cast<const NMHDR*>(lParam);

    if (message == WM_SIZE || message == WM_DESTROY) {
        SendMessageA(d.toolbarWindow, TB_AUTOSIZE, 0, 0);
        d.targetWindow = hwnd;
    } else if (message == WM_HSCROLL || message == WM_VSCROLL) {
        d.targetWindow = msg.lParamWindow();
    } else {
        d.targetWindow = GetFocus();
    }
    const HWND target = d.targetWindow;

    // Candidates are copies, so a handler thread changing a table cannot disturb this walk.
    std::vector<ControlEventEntry> ownControls, commands;
    WalkTable(d.controlEvents, &d.stopControlEvents, [&](const ControlEventEntry& e) {
        if (e.window == target) ownControls.push_back(e);
        if (e.kind == kinds::editOrCommand) commands.push_back(e);
    });
    std::vector<ScrollBarEntry> scrollBars;
    WalkTable(d.scrollBarEvents, &d.stopScrollBarEvents, [&](const ScrollBarEntry& e) {
        if (e.window == target) scrollBars.push_back(e);
    });
    std::vector<ToolbarCommandEntry> toolbarButtons;
    WalkTable(d.toolbarCommands, &d.stopToolbarCommands, [&](const ToolbarCommandEntry& e) {
        if (e.window == d.toolbarWindow) toolbarButtons.push_back(e);
    });
    const std::vector<ToolTipEntry> toolTips = d.toolTipTexts;

    for (const ControlEventEntry& entry : ownControls) {
        if (MatchesControlEvent(entry, msg)) {
            StartHandler(entry);
            d.stopControlEvents = 1;
            break;
        }
    }

    if (message == WM_COMMAND) {
        for (const ControlEventEntry& entry : commands) {
            if (reinterpret_cast<UINT_PTR>(entry.window) == static_cast<UINT_PTR>(msg.lowWord()) &&
                entry.event == events::menuCommand) {
                StartHandler(entry);
                d.stopControlEvents = 1;
                break;
            }
        }
        for (const ToolbarCommandEntry& entry : toolbarButtons) {
            if (entry.window == msg.lParamWindow() && static_cast<UINT>(entry.commandId) == msg.lowWord() &&
                entry.event == events::toolbarButton) {
                StartHandler(entry);
                d.stopToolbarCommands = 1;
                break;
            }
        }
    }

    if (message == WM_NOTIFY && msg.header && msg.header->code == TTN_NEEDTEXTA) {
        for (const ToolTipEntry& entry : toolTips) {
            if (entry.toolId == msg.header->idFrom) {
                reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = const_cast<char*>(entry.text);
                break;
            }
        }
    }

    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        for (const ScrollBarEntry& entry : scrollBars) {
            // `entry.window` is the bar the message came from: the candidates were collected by it.
            d.scrollMinimum = entry.minimum;
            d.scrollMaximum = entry.maximum;
            int position = static_cast<int>(SendMessageA(entry.window, SBM_GETPOS, 0, 0));
            std::optional<int> next = NewScrollPosition(entry, static_cast<int>(msg.lowWord()), position, static_cast<int>(msg.highWord()));
            if (!next) continue;
            SendMessageA(entry.window, SBM_SETPOS, static_cast<WPARAM>(*next), TRUE);
            StartHandler(entry);
            d.stopScrollBarEvents = 1;
            if (message == WM_HSCROLL) break;
        }
    }

    if (message == WM_DESTROY && hwnd == d.mainWindow) {
        DestroyWindow(hwnd);
        PostQuitMessage(0);
        return false;
    }
    return true;
}

}  // namespace auxiliary
