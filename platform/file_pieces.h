#pragma once
// A file read from its start to its end a piece at a time, in one pass, so
// that a file of any size costs one piece of memory.
#include <cstdint>
#include <string>
#include <string_view>

#include "atomic_file.h"
#include "file_system.h"

namespace platform {

class FilePieces {
public:
    static constexpr std::size_t pieceSize = 1024 * 1024;

    explicit FilePieces(const std::string& path);
    ~FilePieces();
    FilePieces(const FilePieces&) = delete;
    FilePieces& operator=(const FilePieces&) = delete;

    // Read so far, or why the file could not be opened or read; the
    // system's words are taken at once.
    const FileReading& reading() const { return reading_; }
    // The next piece, valid until the next call; empty at the end, and after
    // a failure.
    std::string_view next();

private:
    void fail();

    fs::Handle file_;
    std::int64_t left_ = 0;
    std::string piece_;
    FileReading reading_{FileReading::Outcome::Read, ""};
};

}  // namespace platform
