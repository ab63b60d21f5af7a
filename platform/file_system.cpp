#include "file_system.h"

#include <set>

#include "file_faults.h"
#include "file_system_native.h"

namespace platform::fs {

namespace {

// The files open for reading, so that closing one counts apart from
// closing one written: a test failing the steps of a write fails only those.
std::set<Handle>& readHandles() {
    static std::set<Handle> handles;
    return handles;
}

}  // namespace

bool fileExists(const std::string& path) {
    return !faultDue(Op::Exists) && native::fileExists(path);
}

bool folderExists(const std::string& path) {
    return !faultDue(Op::Exists) && native::folderExists(path);
}

std::vector<std::string> filesIn(const std::string& folder) { return native::filesIn(folder); }

bool makeFolder(const std::string& path) {
    return !faultDue(Op::MakeFolder) && native::makeFolder(path);
}

std::int64_t lastWriteTime(const std::string& path) {
    return faultDue(Op::WriteTime) ? -1 : native::lastWriteTime(path);
}

Handle openRead(const std::string& path) {
    if (faultDue(Op::OpenRead)) return invalidHandle;
    const Handle file = native::openRead(path);
    if (file != invalidHandle) readHandles().insert(file);
    return file;
}

std::int64_t size(Handle file) { return faultDue(Op::Size) ? -1 : native::size(file); }

bool read(Handle file, void* buffer, std::size_t count) {
    return !faultDue(Op::Read) && native::read(file, buffer, count);
}

Handle create(const std::string& path) {
    return faultDue(Op::Create) ? invalidHandle : native::create(path);
}

bool write(Handle file, const void* buffer, std::size_t count) {
    return !faultDue(Op::Write) && native::write(file, buffer, count);
}

bool flush(Handle file) { return !faultDue(Op::Flush) && native::flush(file); }

// A failed close still releases the handle, so nothing stays open.
bool close(Handle file) {
    const Op op = readHandles().erase(file) > 0 ? Op::CloseRead : Op::Close;
    bool closed = native::close(file);
    return !faultDue(op) && closed;
}

Replaced replace(const std::string& from, const std::string& to) {
    if (faultDue(Op::Replace)) return Replaced::No;
    if (replaceTargetHeld()) return Replaced::FileHeld;
    return native::replace(from, to);
}

bool remove(const std::string& path) { return !faultDue(Op::Remove) && native::remove(path); }

std::string lastErrorText() { return native::lastErrorText(); }

}  // namespace platform::fs
