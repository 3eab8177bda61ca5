#include "registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace cvdata::registry {
namespace {

namespace fs = std::filesystem;

bool SameId(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsEntryFor(std::string_view line, std::string_view clsid) {
  const size_t eq = line.find('=');
  return eq != std::string_view::npos && SameId(line.substr(0, eq), clsid);
}

std::optional<std::string> ReadFile(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Written beside the target and renamed over it, so a failure never leaves half a file.
bool WriteFile(const std::string& file, const std::string& text) {
  std::error_code ec;
  const fs::path target(file);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const fs::path temp = target.string() + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out || !(out << text) || !out.flush()) return false;
  }
  fs::rename(temp, target, ec);
  if (!ec) return true;
  fs::remove(temp, ec);
  return false;
}

}  // namespace

std::string RegistryPath() {
  if (const char* own = std::getenv("CORVALLE_REGISTRY"); own && *own) return own;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return std::string(config) + "/corvalle/components";
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config/corvalle/components";
  return {};
}

std::optional<std::string> FindEntry(std::string_view text, std::string_view clsid) {
  for (std::string_view line : Lines(text))
    if (IsEntryFor(line, clsid)) {
      std::string path(line.substr(line.find('=') + 1));
      if (!path.empty()) return path;
    }
  return std::nullopt;
}

std::string WithoutEntry(std::string_view text, std::string_view clsid) {
  std::string out;
  for (std::string_view line : Lines(text))
    if (!IsEntryFor(line, clsid)) out.append(line).push_back('\n');
  return out;
}

std::string WithEntry(std::string_view text, std::string_view clsid, std::string_view path) {
  std::string out = WithoutEntry(text, clsid);
  out.append(clsid).push_back('=');
  out.append(path).push_back('\n');
  return out;
}

std::optional<std::string> Lookup(const std::string& file, std::string_view clsid) {
  const auto text = ReadFile(file);
  return text ? FindEntry(*text, clsid) : std::nullopt;
}

bool Enter(const std::string& file, std::string_view clsid, std::string_view path) {
  if (file.empty()) return false;
  return WriteFile(file, WithEntry(ReadFile(file).value_or(""), clsid, path));
}

bool Remove(const std::string& file, std::string_view clsid) {
  if (file.empty()) return false;
  const auto text = ReadFile(file);
  if (!text) return true;  // nothing registered, nothing to remove
  return WriteFile(file, WithoutEntry(*text, clsid));
}

}  // namespace cvdata::registry
