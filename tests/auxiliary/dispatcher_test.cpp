// The "MyWindow" class under Wine: real windows, real controls, real messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "auxiliary/auxiliary_state.h"
#include "handler_log.h"

namespace auxiliary {
namespace {

using testing::AwaitHandlerRuns;
using testing::handlerRecords;
using testing::RecordingHandler;

// A plain window that remembers the messages it was sent, standing in for a toolbar.
std::vector<UINT> recordedMessages;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) recordedMessages.push_back(message);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool QuitPosted() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

class MyWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterMyWindowClass();
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "RecordingWindow";
        RegisterClassA(&wc);
    }

    void SetUp() override {
        CreateAuxiliaryState();
        testing::ResetHandlerRecords();
        host = CreateWindowExA(0, kMyWindowClassName, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
        control = Child("STATIC", 0);
        other = Child("STATIC", 0);
        QuitPosted();
    }

    void TearDown() override {
        // Without state the dispatcher stays out of the way of the clean-up.
        FreeAuxiliaryState();
        if (IsWindow(host)) DestroyWindow(host);
        QuitPosted();
    }

    HWND Child(const char* className, DWORD style, int id = 0) {
        HWND w = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 10, 10 + 30 * children++, 150, 25,
                                 host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
        EXPECT_NE(w, nullptr) << className;
        return w;
    }

    static DispatcherState& Tables() { return CurrentAuxiliaryState()->dispatcher; }

    static ControlEventEntry ControlEntry(HWND window, int kind, int event) {
        ControlEventEntry e;
        e.window = window;
        e.handler = RecordingHandler<0>;
        e.kind = kind;
        e.event = event;
        return e;
    }

    static ScrollBarEntry ScrollEntry(HWND bar, LPTHREAD_START_ROUTINE handler, int event) {
        ScrollBarEntry e;
        e.window = bar;
        e.handler = handler;
        e.event = event;
        e.lineStep = 5;
        e.pageStep = 20;
        e.minimum = 10;
        e.maximum = 90;
        return e;
    }

    HWND host = nullptr;
    HWND control = nullptr;
    HWND other = nullptr;
    int children = 0;
};

TEST_F(MyWindowTest, ClassIsRegisteredWithItsFields) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kMyWindowClassName, &wc));
    EXPECT_EQ(wc.style, UINT{CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS});
    EXPECT_EQ(wc.lpfnWndProc, &MyWindowProc);
    EXPECT_EQ(wc.hIcon, nullptr);  // there is no icon 129
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(wc.lpszMenuName, nullptr);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
}

TEST_F(MyWindowTest, WithEmptyTablesEveryMessageReachesTheDefaultProcedure) {
    // Queries answered by the default procedure give the same answer through MyWindowProc.
    RECT client;
    GetClientRect(host, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(host, &centre);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } queries[] = {
        {WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)},
        {WM_GETTEXTLENGTH, 0, 0},
        {WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)},
        {WM_QUERYENDSESSION, 0, 0},
        {WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0},
        {WM_VSCROLL, SB_LINEUP, 0},
    };
    for (const auto& q : queries) {
        EXPECT_EQ(SendMessageA(host, q.message, q.wParam, q.lParam),
                  DefWindowProcA(host, q.message, q.wParam, q.lParam))
            << "message " << q.message;
    }

    ASSERT_TRUE(SendMessageA(host, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("renamed")));
    char text[32] = {};
    GetWindowTextA(host, text, sizeof text);
    EXPECT_STREQ(text, "renamed");

    // Size and destroy send to the (null) toolbar; the window is not the main window and lives on.
    SendMessageA(host, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 100));
    SendMessageA(host, WM_DESTROY, 0, 0);
    EXPECT_TRUE(IsWindow(host));
    EXPECT_FALSE(QuitPosted());

    SendMessageA(host, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_EQ(AwaitHandlerRuns(0), 0);
}

TEST_F(MyWindowTest, SizeAndDestroyAutosizeTheToolbar) {
    HWND toolbar = CreateWindowExA(0, "RecordingWindow", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(toolbar, nullptr);
    Tables().toolbarWindow = toolbar;
    recordedMessages.clear();
    const struct {
        UINT message;
        bool autosized;
    } cases[] = {{WM_SIZE, true}, {WM_DESTROY, true}, {WM_MOVE, false}, {WM_COMMAND, false}};
    for (const auto& c : cases) {
        recordedMessages.clear();
        SendMessageA(host, c.message, 0, 0);
        EXPECT_EQ(recordedMessages, c.autosized ? std::vector<UINT>{TB_AUTOSIZE} : std::vector<UINT>{})
            << "message " << c.message;
        EXPECT_EQ(Tables().targetWindow, c.autosized ? host : GetFocus());
    }
    DestroyWindow(toolbar);
}

// Which window of the fixture a case names.
enum class Who { none, host, control, other, combo };

struct ControlCase {
    const char* name;
    int kind;
    int event;
    Who entry;     // the entry's window
    Who focus;     // the focus window when the message is sent
    UINT message;
    UINT code;     // HIWORD(wParam) of WM_COMMAND, or the WM_NOTIFY code
    Who sender;    // lParam of WM_COMMAND / WM_RBUTTONDOWN, or hwndFrom of WM_NOTIFY
    bool dropped;  // the combo box's list is shown
    bool starts;
};

const ControlCase kControlCases[] = {
    {"own window sized", kinds::ownWindow, events::sized, Who::host, Who::none, WM_SIZE, 0, Who::none, false, true},
    {"own window sized, other event", kinds::ownWindow, events::destroyed, Who::host, Who::none, WM_SIZE, 0, Who::none, false, false},
    {"sized entry on a child", kinds::ownWindow, events::sized, Who::control, Who::control, WM_SIZE, 0, Who::none, false, false},
    {"own window destroyed", kinds::ownWindow, events::destroyed, Who::host, Who::none, WM_DESTROY, 0, Who::none, false, true},
    {"own window right click", kinds::ownWindow, events::rightClick, Who::host, Who::host, WM_RBUTTONDOWN, 0, Who::none, false, true},
    {"control right click", kinds::listView, events::rightClick, Who::control, Who::control, WM_RBUTTONDOWN, 0, Who::control, false, true},
    {"control right click, lParam elsewhere", kinds::listView, events::rightClick, Who::control, Who::control, WM_RBUTTONDOWN, 0, Who::other, false, false},
    {"button, any event", kinds::pushButton, 0, Who::control, Who::control, WM_COMMAND, BN_CLICKED, Who::control, false, true},
    {"button without focus", kinds::pushButton, 0, Who::control, Who::other, WM_COMMAND, BN_CLICKED, Who::control, false, false},
    {"button, lParam elsewhere", kinds::pushButton, 0, Who::control, Who::control, WM_COMMAND, BN_CLICKED, Who::other, false, false},
    {"edit changed", kinds::editOrCommand, 0, Who::control, Who::control, WM_COMMAND, EN_CHANGE, Who::control, false, true},
    {"edit updated", kinds::editOrCommand, 0, Who::control, Who::control, WM_COMMAND, EN_UPDATE, Who::control, false, false},
    {"combo dropped, selection ok", kinds::comboBox, 0, Who::combo, Who::combo, WM_COMMAND, CBN_SELENDOK, Who::combo, true, true},
    {"combo closed, selection ok", kinds::comboBox, 0, Who::combo, Who::combo, WM_COMMAND, CBN_SELENDOK, Who::combo, false, false},
    {"combo dropped, selection changed", kinds::comboBox, 0, Who::combo, Who::combo, WM_COMMAND, CBN_SELCHANGE, Who::combo, true, false},
    {"list selection changed", kinds::listBox, events::listSelectionChanged, Who::control, Who::control, WM_COMMAND, LBN_SELCHANGE, Who::control, false, true},
    {"list selection changed, double-click entry", kinds::listBox, events::listDoubleClick, Who::control, Who::control, WM_COMMAND, LBN_SELCHANGE, Who::control, false, false},
    {"list double click", kinds::listBox, events::listDoubleClick, Who::control, Who::control, WM_COMMAND, LBN_DBLCLK, Who::control, false, true},
    {"list view double click", kinds::listView, events::doubleClick, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_DBLCLK), Who::control, false, true},
    {"list view click", kinds::listView, events::click, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_CLICK), Who::control, false, true},
    {"list view right click", kinds::listView, events::rightClick, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_RCLICK), Who::control, false, true},
    {"list view click, double-click entry", kinds::listView, events::doubleClick, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_CLICK), Who::control, false, false},
    {"list view click from another window", kinds::listView, events::click, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_CLICK), Who::other, false, false},
    {"tree double click", kinds::treeView, events::treeDoubleClick, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_DBLCLK), Who::control, false, true},
    {"tree selection changed", kinds::treeView, events::treeSelectionChanged, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(TVN_SELCHANGEDA), Who::control, false, true},
    {"tree right click", kinds::treeView, events::rightClick, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_RCLICK), Who::control, false, true},
    {"tree click has no row", kinds::treeView, events::click, Who::control, Who::control, WM_NOTIFY, static_cast<UINT>(NM_CLICK), Who::control, false, false},
};

TEST_F(MyWindowTest, ControlEventsMatchByMessageKindWindowAndEvent) {
    HWND combo = Child("COMBOBOX", CBS_DROPDOWNLIST, 0);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    auto window = [&](Who who) {
        switch (who) {
            case Who::host: return host;
            case Who::control: return control;
            case Who::other: return other;
            case Who::combo: return combo;
            case Who::none: break;
        }
        return HWND{nullptr};
    };
    for (const ControlCase& c : kControlCases) {
        SCOPED_TRACE(c.name);
        CreateAuxiliaryState();
        testing::ResetHandlerRecords();
        SetFocus(window(c.focus));
        if (c.dropped) {
            SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
            ASSERT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), 1);
        }
        Tables().controlEvents.push_back(ControlEntry(window(c.entry), c.kind, c.event));

        NMHDR header{window(c.sender), 0, c.code};
        WPARAM wParam = c.message == WM_COMMAND ? MAKEWPARAM(0, c.code) : 0;
        LPARAM lParam = c.message == WM_NOTIFY ? reinterpret_cast<LPARAM>(&header)
                                               : reinterpret_cast<LPARAM>(window(c.sender));
        SendMessageA(host, c.message, wParam, lParam);

        EXPECT_EQ(AwaitHandlerRuns(c.starts ? 1 : 0), c.starts ? 1 : 0);
        EXPECT_EQ(Tables().stopControlEvents, c.starts ? 1 : 0);
        if (c.dropped) SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

TEST_F(MyWindowTest, ButtonClickStartsItsHandlerOnAThreadOfItsOwn) {
    HWND button = Child("BUTTON", BS_PUSHBUTTON, 12);
    SetFocus(other);
    Tables().controlEvents.push_back(ControlEntry(button, kinds::pushButton, 0));

    // A real click: the button takes the focus, then tells its parent.
    SendMessageA(button, BM_CLICK, 0, 0);
    ASSERT_EQ(AwaitHandlerRuns(1), 1);
    EXPECT_EQ(handlerRecords[0].argument.load(), nullptr);
    EXPECT_NE(handlerRecords[0].thread.load(), GetCurrentThreadId());
}

TEST_F(MyWindowTest, TheMessageAfterADispatchedClickFindsNoControlEntries) {
    HWND button = Child("BUTTON", BS_PUSHBUTTON, 12);
    const LPARAM lParam = reinterpret_cast<LPARAM>(button);
    const WPARAM clicked = MAKEWPARAM(12, BN_CLICKED);
    const WPARAM menuCommand = MAKEWPARAM(300, 0);
    // The skipped message is a click again, or a menu command: both lists come from the one table.
    for (WPARAM skipped : {clicked, menuCommand}) {
        SCOPED_TRACE(skipped == clicked ? "click" : "menu command");
        CreateAuxiliaryState();
        testing::ResetHandlerRecords();
        SetFocus(button);
        Tables().controlEvents.push_back(ControlEntry(button, kinds::pushButton, 0));
        ControlEventEntry menu = ControlEntry(reinterpret_cast<HWND>(300), kinds::editOrCommand, events::menuCommand);
        menu.handler = RecordingHandler<1>;
        Tables().controlEvents.push_back(menu);

        SendMessageA(host, WM_COMMAND, clicked, lParam);
        EXPECT_EQ(AwaitHandlerRuns(1), 1);
        EXPECT_EQ(Tables().stopControlEvents, 1);

        SendMessageA(host, WM_COMMAND, skipped, skipped == clicked ? lParam : 0);  // clears the flag
        EXPECT_EQ(AwaitHandlerRuns(0), 0);
        EXPECT_EQ(Tables().stopControlEvents, 0);

        SendMessageA(host, WM_COMMAND, clicked, lParam);
        EXPECT_EQ(AwaitHandlerRuns(1), 1);
        EXPECT_EQ(handlerRecords[0].runs.load(), 2);
        EXPECT_EQ(handlerRecords[1].runs.load(), 0);
    }
}

TEST_F(MyWindowTest, MenuAndToolbarCommands) {
    HWND toolbar = other;
    Tables().toolbarWindow = toolbar;
    const struct {
        const char* name;
        int event;            // of both entries
        WPARAM wParam;
        LPARAM lParam;
        int menuRuns;         // handler 0: menu command 300
        int toolbarRuns;      // handler 1: toolbar command 5
    } cases[] = {
        {"menu command", events::menuCommand, MAKEWPARAM(300, 0), 0, 1, 0},
        {"toolbar button", events::toolbarButton, MAKEWPARAM(5, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar), 0, 1},
        {"toolbar command from another window", events::toolbarButton, MAKEWPARAM(5, 0), reinterpret_cast<LPARAM>(control), 0, 0},
        {"unknown command", events::menuCommand, MAKEWPARAM(301, 0), 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CreateAuxiliaryState();
        testing::ResetHandlerRecords();
        Tables().toolbarWindow = toolbar;
        SetFocus(control);  // a command entry is found whatever has the focus
        ControlEventEntry menu = ControlEntry(reinterpret_cast<HWND>(300), kinds::editOrCommand, c.event);
        Tables().controlEvents.push_back(menu);
        ToolbarCommandEntry button;
        button.window = toolbar;
        button.handler = RecordingHandler<1>;
        button.event = c.event;
        button.commandId = 5;
        Tables().toolbarCommands.push_back(button);

        SendMessageA(host, WM_COMMAND, c.wParam, c.lParam);
        EXPECT_EQ(AwaitHandlerRuns(c.menuRuns + c.toolbarRuns), c.menuRuns + c.toolbarRuns);
        EXPECT_EQ(handlerRecords[0].runs.load(), c.menuRuns);
        EXPECT_EQ(handlerRecords[1].runs.load(), c.toolbarRuns);
        EXPECT_EQ(Tables().stopControlEvents, c.menuRuns);
        EXPECT_EQ(Tables().stopToolbarCommands, c.toolbarRuns);
    }
}

TEST_F(MyWindowTest, ScrollCodesMoveTheBarWithinTheEntryRange) {
    HWND bar = Child("SCROLLBAR", SBS_VERT);
    SendMessageA(bar, SBM_SETRANGE, 0, 100);
    const struct {
        const char* name;
        int event;
        int code;
        int thumb;
        int from;
        int to;
        bool starts;
    } cases[] = {
        {"line up at the minimum stays there", events::lineUp, SB_LINEUP, 0, 10, 10, true},
        {"line up stops at the minimum", events::lineUp, SB_LINEUP, 0, 12, 10, true},
        {"line up", events::lineUp, SB_LINEUP, 0, 50, 45, true},
        {"line down stops at the maximum", events::lineDown, SB_LINEDOWN, 0, 88, 90, true},
        {"page up", events::pageUp, SB_PAGEUP, 0, 50, 30, true},
        {"page up stops at the minimum", events::pageUp, SB_PAGEUP, 0, 25, 10, true},
        {"page down stops at the maximum", events::pageDown, SB_PAGEDOWN, 0, 80, 90, true},
        {"thumb track", events::thumbTrack, SB_THUMBTRACK, 40, 50, 40, true},
        {"thumb track below the minimum is kept", events::thumbTrack, SB_THUMBTRACK, 3, 50, 3, true},
        {"thumb track above the maximum stops there", events::thumbTrack, SB_THUMBTRACK, 95, 50, 90, true},
        {"code of another event", events::lineUp, SB_LINEDOWN, 0, 50, 50, false},
        {"thumb position has no event", events::thumbTrack, SB_THUMBPOSITION, 40, 50, 50, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CreateAuxiliaryState();
        testing::ResetHandlerRecords();
        SendMessageA(bar, SBM_SETPOS, c.from, TRUE);
        Tables().scrollBarEvents.push_back(ScrollEntry(bar, RecordingHandler<0>, c.event));

        SendMessageA(host, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ(SendMessageA(bar, SBM_GETPOS, 0, 0), c.to);
        EXPECT_EQ(AwaitHandlerRuns(c.starts ? 1 : 0), c.starts ? 1 : 0);
        EXPECT_EQ(Tables().stopScrollBarEvents, c.starts ? 1 : 0);
        EXPECT_EQ(Tables().scrollMinimum, 10);
        EXPECT_EQ(Tables().scrollMaximum, 90);
    }
}

TEST_F(MyWindowTest, VerticalScrollServesEveryEntryHorizontalOnlyTheFirst) {
    HWND bar = Child("SCROLLBAR", SBS_VERT);
    SendMessageA(bar, SBM_SETRANGE, 0, 100);
    const struct {
        UINT message;
        int endPosition;  // each served entry steps the bar once more
        int secondRuns;
    } cases[] = {{WM_VSCROLL, 40, 1}, {WM_HSCROLL, 45, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        CreateAuxiliaryState();
        testing::ResetHandlerRecords();
        SendMessageA(bar, SBM_SETPOS, 50, TRUE);
        Tables().scrollBarEvents.push_back(ScrollEntry(bar, RecordingHandler<0>, events::lineUp));
        Tables().scrollBarEvents.push_back(ScrollEntry(other, RecordingHandler<1>, events::lineUp));  // not this bar
        Tables().scrollBarEvents.push_back(ScrollEntry(bar, RecordingHandler<1>, events::lineUp));

        SendMessageA(host, c.message, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ(AwaitHandlerRuns(1 + c.secondRuns), 1 + c.secondRuns);
        EXPECT_EQ(SendMessageA(bar, SBM_GETPOS, 0, 0), c.endPosition);
        EXPECT_EQ(handlerRecords[0].runs.load(), 1);
        EXPECT_EQ(handlerRecords[1].runs.load(), c.secondRuns);

        // The next message skips the table once.
        SendMessageA(host, c.message, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ(AwaitHandlerRuns(0), 0);
        EXPECT_EQ(SendMessageA(bar, SBM_GETPOS, 0, 0), c.endPosition);
        EXPECT_EQ(Tables().stopScrollBarEvents, 0);
    }
}

TEST_F(MyWindowTest, ToolTipTextIsAnsweredInPlace) {
    static const char kFirst[] = "first";
    static const char kSecond[] = "second";
    static const char kRepeated[] = "repeated";
    const struct {
        const char* name;
        UINT code;
        UINT_PTR id;
        const char* answer;
    } cases[] = {
        {"listed tool", static_cast<UINT>(TTN_NEEDTEXTA), 7, kFirst},
        {"second listed tool", static_cast<UINT>(TTN_NEEDTEXTA), 8, kSecond},
        {"unlisted tool", static_cast<UINT>(TTN_NEEDTEXTA), 9, nullptr},
        {"wide request", static_cast<UINT>(TTN_NEEDTEXTW), 7, nullptr},
    };
    for (const ToolTipEntry& e : {ToolTipEntry{{}, 7, kFirst}, ToolTipEntry{{}, 8, kSecond},
                                  ToolTipEntry{{}, 7, kRepeated}}) {
        Tables().toolTipTexts.push_back(e);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NMTTDISPINFOA info{};
        info.hdr = {other, c.id, c.code};
        SendMessageA(host, WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.lpszText, c.answer);
    }
    EXPECT_EQ(AwaitHandlerRuns(0), 0);
}

TEST_F(MyWindowTest, DestroyingTheMainWindowPostsQuit) {
    const struct {
        const char* name;
        bool isMain;
        bool byDestroyWindow;  // otherwise a bare WM_DESTROY is sent
    } cases[] = {
        {"bare WM_DESTROY to the main window", true, false},
        {"DestroyWindow of the main window", true, true},
        {"DestroyWindow of another window", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND window = CreateWindowExA(0, kMyWindowClassName, "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        Tables().mainWindow = c.isMain ? window : nullptr;
        if (c.byDestroyWindow) {
            EXPECT_TRUE(DestroyWindow(window));
        } else {
            SendMessageA(window, WM_DESTROY, 0, 0);
        }
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(QuitPosted(), c.isMain);
    }
}

TEST_F(MyWindowTest, WithoutModuleStateMessagesStillReachTheDefaultProcedure) {
    FreeAuxiliaryState();
    EXPECT_TRUE(DispatchControlEvent(host, WM_DESTROY, 0, 0));
    ASSERT_TRUE(SendMessageA(host, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after")));
    EXPECT_EQ(SendMessageA(host, WM_GETTEXTLENGTH, 0, 0), 5);
    EXPECT_TRUE(DestroyWindow(host));
    EXPECT_FALSE(QuitPosted());
}

}  // namespace
}  // namespace auxiliary
