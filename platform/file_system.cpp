#include "file_system.h"

#include "file_faults.h"
#include "file_system_native.h"

namespace platform::fs {

bool fileExists(const std::string& path) {
    return !faultDue(Op::Exists) && native::fileExists(path);
}

bool folderExists(const std::string& path) {
    return !faultDue(Op::Exists) && native::folderExists(path);
}

bool makeFolder(const std::string& path) {
    return !faultDue(Op::MakeFolder) && native::makeFolder(path);
}

Handle openRead(const std::string& path, PathEncoding encoding) {
    return faultDue(Op::OpenRead) ? invalidHandle : native::openRead(path, encoding);
}

std::int64_t size(Handle file) { return faultDue(Op::Size) ? -1 : native::size(file); }

bool read(Handle file, void* buffer, std::size_t count) {
    return !faultDue(Op::Read) && native::read(file, buffer, count);
}

Handle create(const std::string& path, PathEncoding encoding) {
    return faultDue(Op::Create) ? invalidHandle : native::create(path, encoding);
}

bool write(Handle file, const void* buffer, std::size_t count) {
    return !faultDue(Op::Write) && native::write(file, buffer, count);
}

bool flush(Handle file) { return !faultDue(Op::Flush) && native::flush(file); }

// A failed close still releases the handle, so nothing stays open.
bool close(Handle file) {
    bool closed = native::close(file);
    return !faultDue(Op::Close) && closed;
}

Replaced replace(const std::string& from, const std::string& to, PathEncoding encoding) {
    if (faultDue(Op::Replace)) return Replaced::No;
    if (replaceTargetHeld()) return Replaced::FileHeld;
    return native::replace(from, to, encoding);
}

bool remove(const std::string& path, PathEncoding encoding) {
    return !faultDue(Op::Remove) && native::remove(path, encoding);
}

std::string lastErrorText() { return native::lastErrorText(); }

}  // namespace platform::fs
