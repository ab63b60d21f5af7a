#include "atomic_file.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "errors.h"

namespace platform {

namespace {

void writeTemporary(const std::string& temporary, const std::string& path,
                    std::initializer_list<std::string_view> pieces) {
    fs::Handle file = fs::create(temporary);
    if (file == fs::invalidHandle) throw IoError("create a temporary file for", path);
    bool written = std::all_of(pieces.begin(), pieces.end(), [file](std::string_view piece) {
        return fs::write(file, piece.data(), piece.size());
    });
    bool flushed = written && fs::flush(file);
    bool closed = fs::close(file);
    if (!written) throw IoError("write", path);
    if (!flushed) throw IoError("flush", path);
    if (!closed) throw IoError("close", path);
}

// A file held open by another process is usually let go within a moment;
// the move is tried again after growing pauses, about two seconds in all.
void moveIntoPlace(const std::string& temporary, const std::string& path) {
    constexpr int retryTimeMs = 2000;
    int waitedMs = 0;
    for (int pauseMs = 10;; pauseMs *= 2) {
        const fs::Replaced replaced = fs::replace(temporary, path);
        if (replaced == fs::Replaced::Yes) return;
        if (replaced == fs::Replaced::No || waitedMs >= retryTimeMs) throw IoError("replace", path);
        pauseMs = std::min(pauseMs, retryTimeMs - waitedMs);
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        waitedMs += pauseMs;
    }
}

}  // namespace

void writeFileAtomically(const std::string& path, const std::string& content) {
    writeFileAtomically(path, {std::string_view(content)});
}

void writeFileAtomically(const std::string& path, std::initializer_list<std::string_view> pieces) {
    const std::string temporary = path + ".tmp";
    try {
        writeTemporary(temporary, path, pieces);
        moveIntoPlace(temporary, path);
    } catch (...) {
        fs::remove(temporary);
        throw;
    }
}

bool readSmallFile(const std::string& path, std::string& content, std::int64_t largest) {
    return readWholeFile(path, content, largest).outcome == FileReading::Outcome::Read;
}

// The system's words are taken at once, before another call replaces them.
FileReading readWholeFile(const std::string& path, std::string& content, std::int64_t largest) {
    using Outcome = FileReading::Outcome;
    fs::Handle file = fs::openRead(path);
    if (file == fs::invalidHandle) return {Outcome::NotOpened, fs::lastErrorText()};
    FileReading reading{Outcome::Read, ""};
    const std::int64_t length = fs::size(file);
    if (length < 0) {
        reading = {Outcome::NotRead, fs::lastErrorText()};
    } else if (length > largest) {
        reading.outcome = Outcome::TooLarge;
    } else {
        content.assign(static_cast<std::size_t>(length), '\0');
        if (!fs::read(file, content.data(), content.size()))
            reading = {Outcome::NotRead, fs::lastErrorText()};
    }
    fs::close(file);
    return reading;
}

bool readFirstLine(const std::string& path, std::string& line) {
    std::string content;
    if (!fs::fileExists(path) || !readSmallFile(path, content)) return false;
    line = content.substr(0, content.find_first_of("\r\n"));
    return true;
}

}  // namespace platform
