// The folder verb in the prefix's real registry, and the text a drop of
// real CF_HDROP data turns into.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "app/drop_target.h"
#include "app/folder_verb.h"
#include "scratch_folders.h"

namespace dotlock {
namespace {

struct RegValue {
    bool present = false;
    DWORD type = 0;
    std::string bytes;  // as stored, including the terminating zero
};

RegValue ReadDefault(HKEY root, const std::string& subKey) {
    RegValue v;
    HKEY key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.bytes.resize(size);
        RegQueryValueExA(key, nullptr, nullptr, &v.type, reinterpret_cast<BYTE*>(v.bytes.data()), &size);
        v.present = true;
    }
    RegCloseKey(key);
    return v;
}

TEST(FolderVerb, CommandQuotesProgramAndPlaceholder) {
    EXPECT_EQ(VerbCommand("C:\\Program Files\\dotlock\\dotlock.exe"),
              "\"C:\\Program Files\\dotlock\\dotlock.exe\" \"%1\"");
    EXPECT_EQ(std::string(kVerbKey), "Folder\\shell\\文件夹密锁\\command");
}

TEST(FolderVerb, WritesTheDefaultValueAsStringWithItsZero) {
    const std::string key = "Software\\dotlock-test\\machine\\command";
    const std::string data = VerbCommand("C:\\Program Files\\文件\\d.exe");
    ASSERT_EQ(WriteDefaultValue({{HKEY_CURRENT_USER, key}}, data), 0);
    const RegValue v = ReadDefault(HKEY_CURRENT_USER, key);
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(v.bytes, data + '\0');

    // Rewritten on the next start, following a moved program.
    ASSERT_EQ(WriteDefaultValue({{HKEY_CURRENT_USER, key}}, "x"), 0);
    EXPECT_EQ(ReadDefault(HKEY_CURRENT_USER, key).bytes, std::string("x\0", 2));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\dotlock-test");
}

// A root that cannot be opened or written (as HKEY_CLASSES_ROOT is for a
// standard user) falls back to the next place.
TEST(FolderVerb, FallsBackWhenTheFirstPlaceIsClosed) {
    const HKEY closed = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654));
    const std::string key = std::string(kUserClassesKey) + "dotlock-test\\command";
    EXPECT_EQ(WriteDefaultValue({{closed, kVerbKey}, {HKEY_CURRENT_USER, key}}, "v"), 1);
    EXPECT_EQ(ReadDefault(HKEY_CURRENT_USER, key).bytes, std::string("v\0", 2));
    EXPECT_EQ(WriteDefaultValue({{closed, kVerbKey}}, "v"), -1);
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kUserClassesKey) + "dotlock-test").c_str());
}

TEST(FolderVerb, PlacesAreMachineClassesThenUserClasses) {
    const auto places = VerbPlaces();
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].root, HKEY_CLASSES_ROOT);
    EXPECT_EQ(places[0].subKey, kVerbKey);
    EXPECT_EQ(places[1].root, HKEY_CURRENT_USER);
    EXPECT_EQ(places[1].subKey, std::string("Software\\Classes\\") + kVerbKey);
}

// A real DROPFILES block as the shell hands it over, ANSI or wide.
HGLOBAL MakeDrop(const std::vector<std::wstring>& paths, bool wide) {
    std::string payload;
    for (const auto& p : paths) {
        if (wide) {
            payload.append(reinterpret_cast<const char*>(p.c_str()), (p.size() + 1) * sizeof(wchar_t));
        } else {
            payload += testing::Ansi(p) + '\0';
        }
    }
    payload.append(wide ? 2 : 1, '\0');
    HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + payload.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(mem));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = wide;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), payload.data(), payload.size());
    GlobalUnlock(mem);
    return mem;
}

TEST(DroppedText, OnePathAloneSeveralEachFollowedByCrLf) {
    const std::wstring longPath = L"C:\\" + std::wstring(400, L'x');
    struct Case {
        std::vector<std::wstring> paths;
        std::string expected;
    };
    const Case cases[] = {
        {{L"C:\\data\\photos"}, "C:\\data\\photos"},
        {{L"C:\\a", L"C:\\b b", L"C:\\c"}, "C:\\a\r\nC:\\b b\r\nC:\\c\r\n"},
        {{L"C:\\文件\\誠"}, "C:\\文件\\誠"},
        {{longPath}, testing::Ansi(longPath)},
    };
    for (const Case& c : cases) {
        for (bool wide : {false, true}) {
            HGLOBAL mem = MakeDrop(c.paths, wide);
            auto* drop = static_cast<HDROP>(GlobalLock(mem));
            EXPECT_EQ(DroppedText(drop), c.expected) << "wide=" << wide;
            GlobalUnlock(mem);
            GlobalFree(mem);
        }
    }
}

}  // namespace
}  // namespace dotlock
