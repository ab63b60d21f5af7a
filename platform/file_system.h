#pragma once
// The program's one way to files and folders. Paths use backslashes, as on
// Windows, and UTF-8, so that a path in any language names its file; Windows
// gets them in UTF-16. A file's bytes are never converted. Every operation
// can be made to fail from a test (file_faults.h).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::fs {

using Handle = std::intptr_t;
constexpr Handle invalidHandle = -1;

bool fileExists(const std::string& path);  // a file, not a folder
bool folderExists(const std::string& path);
bool makeFolder(const std::string& path);  // one level
// The names of the files, not folders, in a folder ending in a backslash.
std::vector<std::string> filesIn(const std::string& folder);
// When the file was last written, in the system's own units; -1 on failure.
std::int64_t lastWriteTime(const std::string& path);

Handle openRead(const std::string& path);
std::int64_t size(Handle file);  // -1 on failure
// Reads exactly count bytes; false when fewer could be read.
bool read(Handle file, void* buffer, std::size_t count);

// Creates the file or cuts it to empty, for writing.
Handle create(const std::string& path);
// Writes exactly count bytes; false when fewer were written.
bool write(Handle file, const void* buffer, std::size_t count);
bool flush(Handle file);
bool close(Handle file);

// How a move over another file ended. FileHeld: another process holds the
// target open for a moment (a virus scanner, the search indexer, a backup),
// so that trying again soon may work.
enum class Replaced { Yes, FileHeld, No };

// Moves a file over another one in a single step.
Replaced replace(const std::string& from, const std::string& to);
bool remove(const std::string& path);

// The system's own words for why the last operation that failed did so; a
// failure made by a test (file_faults.h) leaves them as they were.
std::string lastErrorText();

}  // namespace platform::fs
