// The registry lookup of the System Information tool.
#include "ui/aux/tools_in_registry.h"

namespace tarnwick::ui {

std::vector<std::string> ToolsInRegistry(RegistryReader& registry,
                                         const std::function<bool(const std::string&)>& file_exists) {
    std::string value;
    // The first value names the tool itself and is trusted as it is.
    if (GetKeyValue(registry, kHKeyLocalMachine, kMsinfoKey, kMsinfoValue, value)) return {value};
    if (!GetKeyValue(registry, kHKeyLocalMachine, kSharedToolsKey, kSharedToolsValue, value)) return {};
    // The second names the folder it should be in.
    const std::string tool = value + "\\MSINFO32.EXE";
    if (!file_exists(tool)) return {};
    return {tool};
}

}  // namespace tarnwick::ui
