// The real dotlock.exe, started with a folder argument and driven from
// outside through its password box, message box and main window.
#include <gtest/gtest.h>

#include <windows.h>

#include "../import_table.h"
#include "app/folder_verb.h"
#include "automation.h"
#include "program_process.h"
#include "scratch_folders.h"

namespace dotlock {
namespace {

using namespace automation;
using testing::ExistsExact;
using testing::ProgramPath;
using testing::ProgramProcess;
using testing::Quoted;
using testing::TestsFolder;
using testing::FilesExact;
using testing::MakeFolder;
using testing::ReadExact;
using testing::ScratchRoot;

std::string VerbValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kVerbKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
    char data[2048] = {};
    DWORD size = sizeof data - 1;
    const LONG rc = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? std::string(data) : "<none>";
}

void DeleteVerb() { RegDeleteTreeA(HKEY_CLASSES_ROOT, "Folder\\shell\\文件夹密锁"); }

const std::map<std::string, std::string> kContents{{"note.txt", "hello"}, {"pic.jpg", std::string(1000, '\xff')}};

class EndToEnd : public ::testing::Test {
protected:
    ScratchRoot root{"e2e"};
    std::string plain = root / "我的 照片";  // blanks and GBK in the name
    std::string dotted = plain + ".";
    std::string expectedVerb = VerbCommand(ProgramPath());

    void SetUp() override {
        MakeFolder(plain, kContents);
        DeleteVerb();
    }
};

TEST_F(EndToEnd, LockWrongPasswordCancelThenUnlock) {
    {   // Lock
        ProgramProcess program(Quoted(plain));
        ASSERT_TRUE(program.started());
        const PasswordBox first = FindPasswordBox(L"输入密码");
        ASSERT_TRUE(first.dialog);
        EXPECT_EQ(ToAnsi(first.prompt), "请输入\"" + plain + "\"你要加密的密码");
        EXPECT_TRUE(first.masked);
        EXPECT_TRUE(first.startedEmpty);
        EXPECT_EQ(ToAnsi(first.okCaption), "确认输入(&O)");
        EXPECT_EQ(ToAnsi(first.cancelCaption), "取消(&C)");
        Answer(first, L"开门abc");
        const PasswordBox second = FindPasswordBox(L"输入密码");
        ASSERT_TRUE(second.dialog);
        EXPECT_EQ(ToAnsi(second.prompt), "请再次输入\"" + plain + "\"验证密码避免遗忘：");
        EXPECT_TRUE(second.startedEmpty);
        Answer(second, L"开门abc");
        EXPECT_EQ(ToAnsi(DismissMessage()), "恭喜！加密成功");
        EXPECT_EQ(program.CloseMainWindow(), 0);
    }
    EXPECT_FALSE(ExistsExact(plain));
    EXPECT_EQ(ReadExact(dotted + "\\jm.dat"), "开门abc");
    EXPECT_EQ(VerbValue(), expectedVerb);

    {   // Wrong password
        DeleteVerb();
        ProgramProcess program(Quoted(dotted));
        const PasswordBox box = FindPasswordBox(L"录入密码");
        ASSERT_TRUE(box.dialog);
        EXPECT_EQ(ToAnsi(box.prompt), "请输入\"" + plain + "\"文件夹的密码");
        Answer(box, L"开门ABC");
        EXPECT_EQ(ToAnsi(DismissMessage()), "密码不正确，重新录入密码。");
        EXPECT_EQ(program.CloseMainWindow(), 0);
        EXPECT_EQ(VerbValue(), expectedVerb);  // written whatever the outcome
    }
    EXPECT_TRUE(ExistsExact(dotted));

    {   // Cancel: no message at all, straight to the main window
        ProgramProcess program(Quoted(dotted));
        Answer(FindPasswordBox(L"录入密码"), L"", false);
        EXPECT_TRUE(WaitForWindow(nullptr, kMainTitle));
        EXPECT_FALSE(FindWindowW(kDialogClass, kMessageTitle));
        EXPECT_EQ(program.CloseMainWindow(), 0);
    }
    EXPECT_TRUE(ExistsExact(dotted));

    {   // Unlock
        ProgramProcess program(Quoted(dotted));
        Answer(FindPasswordBox(L"录入密码"), L"开门abc");
        EXPECT_EQ(ToAnsi(DismissMessage()), "恭喜！解密成功");
        EXPECT_EQ(program.CloseMainWindow(), 0);
    }
    EXPECT_FALSE(ExistsExact(dotted));
    EXPECT_EQ(FilesExact(plain), kContents);
}

TEST_F(EndToEnd, PlainStartShowsNoPromptAndWritesTheVerb) {
    ProgramProcess program("");
    HWND main = WaitForWindow(nullptr, kMainTitle);
    ASSERT_TRUE(main);
    EXPECT_FALSE(FindWindowW(kDialogClass, L"输入密码"));
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 326) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 257) / 2);
    GetClientRect(main, &r);
    EXPECT_EQ(r.right, 326);
    EXPECT_EQ(r.bottom, 257);
    EXPECT_EQ(program.CloseMainWindow(), 0);
    EXPECT_EQ(VerbValue(), expectedVerb);
}

TEST_F(EndToEnd, DriveRootOrEmptyArgumentDoesNothing) {
    for (const char* args : {"C:\\", "\"\"", "abc"}) {
        SCOPED_TRACE(args);
        ProgramProcess program(args);
        ASSERT_TRUE(WaitForWindow(nullptr, kMainTitle));
        EXPECT_FALSE(FindWindowW(kDialogClass, L"输入密码"));
        EXPECT_EQ(program.CloseMainWindow(), 0);
        EXPECT_EQ(VerbValue(), "<none>");
    }
}

// Closing opens the maker's page once, through the shell's handler for web
// addresses, which the test points at a recorder.
TEST_F(EndToEnd, ClosingOpensTheMakersPageOnce) {
    const char* handlerKey = "http\\shell\\open\\command";
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, handlerKey, &key), ERROR_SUCCESS);
    char saved[1024] = {};
    DWORD savedSize = sizeof saved;
    const bool hadValue = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(saved),
                                           &savedSize) == ERROR_SUCCESS;
    const std::string recorder = Quoted(TestsFolder() + "\\record_open.exe") + " \"%1\"";
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(recorder.c_str()),
                   static_cast<DWORD>(recorder.size() + 1));
    const std::string log = "C:\\dotlock-test\\opened.txt";
    DeleteFileA(log.c_str());

    {
        ProgramProcess program("");
        EXPECT_EQ(program.CloseMainWindow(), 0);
    }
    std::string opened;
    for (int i = 0; i < 100 && opened.empty(); ++i) {
        Sleep(100);
        if (ExistsExact(log)) opened = ReadExact(log);
    }
    Sleep(300);  // a second, unwanted open would have landed by now
    opened = ReadExact(log);

    if (hadValue) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(saved), savedSize);
    } else {
        RegDeleteValueA(key, nullptr);  // leave no recorder behind in the prefix
    }
    RegCloseKey(key);
    EXPECT_EQ(opened, "http://www.example.com/\n");
}

// Libraries wanted only after start-up (GDI+, the shell's for drops and the
// closing page, the thread helper, the multimedia timer of the fades) are
// bound at first use, so none of them is loaded before the window shows.
TEST(ProgramImage, ImportsNoLibraryItBindsLate) {
    HMODULE image = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr) << GetLastError();
    const std::vector<std::string> imports = ::testing::ImportedLibraries(image);
    FreeLibrary(image);
    EXPECT_FALSE(imports.empty());
    for (const std::string& name : imports) {
        for (const char* late : {"gdiplus.dll", "shell32.dll", "shlwapi.dll", "winmm.dll"}) {
            EXPECT_NE(lstrcmpiA(name.c_str(), late), 0) << name;
        }
    }
}

}  // namespace
}  // namespace dotlock
