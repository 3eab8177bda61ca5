#pragma once
#include <optional>
#include <string>
#include <string_view>

// The per-user component registry: a small text file of "class-id=library path" lines.
// Lines that are not ours are kept as they are when the file is rewritten.
namespace cvdata::registry {

// The file's location: $CORVALLE_REGISTRY when set (tests point it elsewhere), else
// $XDG_CONFIG_HOME/corvalle/components, else $HOME/.config/corvalle/components.
// Empty when none of these variables is set.
std::string RegistryPath();

// The library path entered for a class in the registry text; class ids compare
// without regard to case.
std::optional<std::string> FindEntry(std::string_view text, std::string_view clsid);
// The registry text with the class entered (replacing an older entry) or removed.
std::string WithEntry(std::string_view text, std::string_view clsid, std::string_view path);
std::string WithoutEntry(std::string_view text, std::string_view clsid);

// File operations on the registry at `file`; false when it cannot be read or written.
std::optional<std::string> Lookup(const std::string& file, std::string_view clsid);
bool Enter(const std::string& file, std::string_view clsid, std::string_view path);
bool Remove(const std::string& file, std::string_view clsid);

}  // namespace cvdata::registry
