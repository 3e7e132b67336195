// Where the Windows registry says the System Information tool is: the two
// values the About window's launch reads, without Qt, so that the lookup
// builds and is tested on its own against a real registry.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/aux/registry.h"

namespace tarnwick::ui {

inline constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kMsinfoValue[] = "PATH";
inline constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsValue[] = "MSINFO";

// MSINFO32.EXE as the registry's first value names it, or else in the folder
// its second value names when `file_exists` finds it there; empty when
// neither gives a tool. Paths are in the ANSI code page, as the registry's
// ANSI calls return them.
std::vector<std::string> ToolsInRegistry(RegistryReader& registry,
                                         const std::function<bool(const std::string&)>& file_exists);

}  // namespace tarnwick::ui
