// What the About window needs from the operating system, behind interfaces
// so that tests can stand in for each part: reading the registry, testing
// whether a file exists, finding and starting another program, and telling
// the user that the launch failed.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

class QWidget;

namespace tarnwick::ui {

// Registry handles and codes as the Windows API has them, without its headers.
using RegKey = std::uintptr_t;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr long kErrorSuccess = 0;

// The three registry calls, in the shape of RegOpenKeyExA, RegQueryValueExA
// and RegCloseKey: a long result, kErrorSuccess on success.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual long OpenKey(RegKey root, const std::string& sub_key, std::uint32_t access, RegKey& key) = 0;
    // `length` holds the size of `data` on the way in and the size of the value
    // on the way out.
    virtual long QueryValue(RegKey key, const std::string& value_name, std::uint32_t& type, unsigned char* data,
                            std::uint32_t& length) = 0;
    virtual long CloseKey(RegKey key) = 0;
};

class SystemAccess {
public:
    virtual ~SystemAccess() = default;
    // The registry, or nullptr on systems that have none.
    virtual RegistryReader* Registry() = 0;
    virtual bool FileExists(const QString& path) = 0;
    // The full path of a program found on the PATH, or an empty string.
    virtual QString FindProgram(const QString& name) = 0;
    // Starts the program as a process of its own, without a shell and without
    // waiting for it; false when it could not be started.
    virtual bool StartProgram(const QString& path) = 0;
    // A modal box with one OK button and no icon, shown through MessageBox.
    virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real system: the Windows registry on Windows, none elsewhere.
SystemAccess& RealSystem();

}  // namespace tarnwick::ui
