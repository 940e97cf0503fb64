#include "core/module_path.h"

namespace {

std::string::size_type LastSeparator(const std::string& path) {
  return path.find_last_of("\\/");
}

}  // namespace

std::string ExecutableBaseName(const std::string& path) {
  const std::string::size_type separator = LastSeparator(path);
  std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  const std::string::size_type dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::string FolderOf(const std::string& path) {
  const std::string::size_type separator = LastSeparator(path);
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}
