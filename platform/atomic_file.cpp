#include "atomic_file.h"

#include "errors.h"
#include "file_system.h"

namespace platform {

namespace {

void writeTemporary(const std::string& temporary, const std::string& path,
                    const std::string& content) {
    fs::Handle file = fs::create(temporary);
    if (file == fs::invalidHandle) throw IoError("create a temporary file for", path);
    bool written = fs::write(file, content.data(), content.size());
    bool flushed = written && fs::flush(file);
    bool closed = fs::close(file);
    if (!written) throw IoError("write", path);
    if (!flushed) throw IoError("flush", path);
    if (!closed) throw IoError("close", path);
}

}  // namespace

void writeFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    try {
        writeTemporary(temporary, path, content);
        if (!fs::replace(temporary, path)) throw IoError("replace", path);
    } catch (...) {
        fs::remove(temporary);
        throw;
    }
}

bool readSmallFile(const std::string& path, std::string& content) {
    fs::Handle file = fs::openRead(path);
    if (file == fs::invalidHandle) return false;
    std::int64_t length = fs::size(file);
    bool ok = length >= 0;
    if (ok) {
        content.assign(static_cast<std::size_t>(length), '\0');
        ok = fs::read(file, content.data(), content.size());
    }
    fs::close(file);
    return ok;
}

bool readFirstLine(const std::string& path, std::string& line) {
    std::string content;
    if (!fs::fileExists(path) || !readSmallFile(path, content)) return false;
    line = content.substr(0, content.find_first_of("\r\n"));
    return true;
}

}  // namespace platform
