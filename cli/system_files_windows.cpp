// The tool's file operations on Windows: names in UTF-16, binary mode
// always, and files told apart by volume serial number and file index,
// since the C runtime's st_ino is always 0 there.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <optional>
#include <tuple>

#include "cli/system_files.h"
#include "cli/wide_text.h"

namespace tarnwick::cli {
namespace {

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

std::optional<BY_HANDLE_FILE_INFORMATION> DiskFileInfo(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    return info;
}

bool SameRegularFile(HANDLE a, HANDLE b) {
    const auto info_a = DiskFileInfo(a);
    const auto info_b = DiskFileInfo(b);
    const auto identity = [](const BY_HANDLE_FILE_INFORMATION& info) {
        return std::tuple(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    };
    return info_a && info_b && (info_a->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           identity(*info_a) == identity(*info_b);
}

}  // namespace

// A folder cannot be opened as a file here; it is told as on POSIX systems.
int OpenToRead(const std::string& path) {
    const std::wstring name = WideFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        errno = EISDIR;
        return -1;
    }
    return _wopen(name.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int OpenToWrite(const std::string& path) {
    return _wopen(WideFromUtf8(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}

FileKind KindOf(int fd) {
    const auto info = DiskFileInfo(HandleOf(fd));
    if (!info) return {};
    if ((info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {false, true, 0};
    return {true, false, (std::uint64_t{info->nFileSizeHigh} << 32) | info->nFileSizeLow};
}

// A pipe whose writer has gone reads at once (the end of input).
bool InputReady(int fd) {
    const HANDLE handle = HandleOf(fd);
    if (GetFileType(handle) != FILE_TYPE_PIPE) return false;
    DWORD available = 0;
    return !PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr) || available > 0;
}

bool SameRegularFile(int fd_a, int fd_b) { return SameRegularFile(HandleOf(fd_a), HandleOf(fd_b)); }

// Opened without access rights, only to ask for its identity; a folder
// opens too (backup semantics) and is then not a regular file.
bool SameRegularFile(int fd, const std::string& path) {
    const HANDLE other = CreateFileW(WideFromUtf8(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (other == INVALID_HANDLE_VALUE) return false;
    const bool same = SameRegularFile(HandleOf(fd), other);
    CloseHandle(other);
    return same;
}

// The C runtime reports a closed pipe as EINVAL; the system's own code says
// what happened (wine reports a POSIX pipe without reader as not connected).
bool ReaderGone(int /*error_number*/) {
    const DWORD error = GetLastError();
    return error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED;
}

}  // namespace tarnwick::cli
