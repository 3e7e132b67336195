// The System Information lookup against the real Windows registry (run under
// wine on the build machine): the keys are written with reg.exe, as an
// installer or an administrator would, and read through the ANSI calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/aux/tools_in_registry.h"
#include "ui/aux/windows_registry.h"

namespace tarnwick::ui {
namespace {

const std::wstring kMsinfo = LR"("HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO")";
const std::wstring kSharedTools = LR"("HKLM\SOFTWARE\Microsoft\Shared Tools Location")";

// reg.exe's exit status; its messages go nowhere.
DWORD RunReg(const std::wstring& arguments) {
    std::wstring command = L"reg.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return GetLastError();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

void SetValue(const std::wstring& key, const wchar_t* name, const wchar_t* type, const std::wstring& data) {
    ASSERT_EQ(RunReg(L"add " + key + L" /v " + name + L" /t " + type + L" /d \"" + data + L"\" /f"), 0u);
}

std::string Ansi(const std::wstring& text) {
    std::string ansi(static_cast<std::size_t>(text.size()) * 2 + 1, '\0');
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), static_cast<int>(ansi.size()),
                                         nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return ansi;
}

// The real registry, with every key it opens tried for writing (which must
// be refused) and kept, to ask the system afterwards whether it is closed.
class ProbedRegistry final : public RegistryReader {
public:
    long OpenKey(RegKey root, const std::string& sub_key, std::uint32_t access, RegKey& key) override {
        const long result = real_.OpenKey(root, sub_key, access, key);
        if (result == ERROR_SUCCESS) {
            opened.push_back(key);
            const DWORD probe = 1;
            write_results.push_back(RegSetValueExA(reinterpret_cast<HKEY>(key), "probe", 0, REG_DWORD,
                                                   reinterpret_cast<const BYTE*>(&probe), sizeof probe));
        }
        return result;
    }
    long QueryValue(RegKey key, const std::string& value_name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& length) override {
        return real_.QueryValue(key, value_name, type, data, length);
    }
    long CloseKey(RegKey key) override { return real_.CloseKey(key); }

    std::vector<RegKey> opened;
    std::vector<long> write_results;

private:
    WindowsRegistry real_;
};

class RealRegistry : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMsinfoKey);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSharedToolsKey);
    }

    // The lookup, with the folders it asked about.
    std::vector<std::string> Lookup() {
        return ToolsInRegistry(registry_, [this](const std::string& path) {
            files_asked_.push_back(path);
            return AnsiFileExists(path);
        });
    }

    ProbedRegistry registry_;
    std::vector<std::string> files_asked_;
};

TEST_F(RealRegistry, FirstValueIsTheToolAsItIs) {
    SetValue(kMsinfo, L"PATH", L"REG_SZ", LR"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)");
    EXPECT_EQ(Lookup(), std::vector<std::string>{R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)"});
    EXPECT_TRUE(files_asked_.empty());
}

TEST_F(RealRegistry, EmptyFirstValueIsReadAsAnEmptyPath) {
    SetValue(kMsinfo, L"PATH", L"REG_SZ", L"");
    EXPECT_EQ(Lookup(), std::vector<std::string>{""});
}

TEST_F(RealRegistry, BothKeysMissingGiveNoTool) {
    EXPECT_TRUE(Lookup().empty());
    EXPECT_TRUE(registry_.opened.empty());
    EXPECT_TRUE(files_asked_.empty());
}

// The folder of the second value holds the tool, under a name beyond ASCII.
TEST_F(RealRegistry, SecondValueNamesAFolderBeyondAscii) {
    const std::wstring folder = L"C:\\Gemeinsame Dateien (Prüfung)\\MSInfo é";
    CreateDirectoryW(L"C:\\Gemeinsame Dateien (Prüfung)", nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const HANDLE tool = CreateFileW((folder + L"\\MSINFO32.EXE").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(tool, INVALID_HANDLE_VALUE);
    CloseHandle(tool);
    SetValue(kSharedTools, L"MSINFO", L"REG_SZ", folder);

    EXPECT_EQ(Lookup(), std::vector<std::string>{Ansi(folder + L"\\MSINFO32.EXE")});
    DeleteFileW((folder + L"\\MSINFO32.EXE").c_str());
    EXPECT_TRUE(Lookup().empty());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(L"C:\\Gemeinsame Dateien (Prüfung)");
}

// Whatever the values hold, every key is opened for reading only and
// closed again: the system refuses a write through it, and later knows the
// handle no more.
TEST_F(RealRegistry, KeysAreOpenedReadOnlyAndClosed) {
    SetValue(kMsinfo, L"PATH", L"REG_DWORD", L"1");
    SetValue(kSharedTools, L"MSINFO", L"REG_SZ", L"C:\\nowhere");
    EXPECT_TRUE(Lookup().empty());
    ASSERT_EQ(registry_.opened.size(), 2u);
    EXPECT_EQ(registry_.write_results, (std::vector<long>{ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED}));
    for (const RegKey key : registry_.opened) {
        EXPECT_EQ(RegQueryInfoKeyA(reinterpret_cast<HKEY>(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr),
                  ERROR_INVALID_HANDLE);
    }
}

struct FirstValue {
    const char* name;
    const wchar_t* type;
    std::wstring data;
    bool read;  // GetKeyValue's answer
};

void PrintTo(const FirstValue& value, std::ostream* os) { *os << value.name; }

// A 1,022-character path and its NUL fill 1,023 of the 1,024 bytes read;
// 1,024 characters do not fit.
const FirstValue kFirstValues[] = {
    {"dword", L"REG_DWORD", L"1", false},
    {"binary", L"REG_BINARY", L"43003A005C00", false},
    {"expand_string", L"REG_EXPAND_SZ", L"C:\\Windows\\System32\\msinfo32.exe", false},
    {"chars_1022", L"REG_SZ", L"C:\\" + std::wstring(1019, L'x'), true},
    {"chars_1024", L"REG_SZ", L"C:\\" + std::wstring(1021, L'x'), false},
};

class FirstValueKinds : public RealRegistry, public ::testing::WithParamInterface<FirstValue> {};

TEST_P(FirstValueKinds, OnlyAStringThatFitsIsRead) {
    const FirstValue& first = GetParam();
    SetValue(kMsinfo, L"PATH", first.type, first.data);
    std::string value = "stale";
    EXPECT_EQ(GetKeyValue(registry_, kHKeyLocalMachine, kMsinfoKey, kMsinfoValue, value), first.read);
    EXPECT_EQ(value, first.read ? Ansi(first.data) : "");
    // A value not read leaves the lookup to the second key, here missing.
    EXPECT_EQ(Lookup(), first.read ? std::vector<std::string>{Ansi(first.data)} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstValueKinds, ::testing::ValuesIn(kFirstValues),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::ui
