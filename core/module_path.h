#pragma once

#include <string>

// Pieces of a Windows file path such as "C:\media\DriverSetup.exe".
// Both '\' and '/' separate folders.

// The file name without its folder and without its last extension:
// "DriverSetup". Message boxes carry it as their title.
std::string ExecutableBaseName(const std::string& path);

// The folder holding the file, without a trailing separator: "C:\media".
// A file in a drive's root gives "C:"; a bare file name gives "".
std::string FolderOf(const std::string& path);
