#pragma once
// The real file operations behind the file system front; one implementation
// per platform. Only file_system.cpp calls these.
#include "file_system.h"

namespace platform::fs::native {

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
bool makeFolder(const std::string& path);
std::vector<std::string> filesIn(const std::string& folder);
std::int64_t lastWriteTime(const std::string& path);
Handle openRead(const std::string& path);
std::int64_t size(Handle file);
bool read(Handle file, void* buffer, std::size_t count);
Handle create(const std::string& path);
bool write(Handle file, const void* buffer, std::size_t count);
bool flush(Handle file);
bool close(Handle file);
Replaced replace(const std::string& from, const std::string& to);
bool remove(const std::string& path);
std::string lastErrorText();

}  // namespace platform::fs::native
