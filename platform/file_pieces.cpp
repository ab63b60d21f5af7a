#include "file_pieces.h"

#include <algorithm>

namespace platform {

FilePieces::FilePieces(const std::string& path) : file_(fs::openRead(path)) {
    if (file_ == fs::invalidHandle) {
        reading_ = {FileReading::Outcome::NotOpened, fs::lastErrorText()};
        return;
    }
    left_ = fs::size(file_);
    if (left_ < 0) fail();
}

FilePieces::~FilePieces() {
    if (file_ != fs::invalidHandle) fs::close(file_);
}

void FilePieces::fail() {
    reading_ = {FileReading::Outcome::NotRead, fs::lastErrorText()};
    left_ = 0;
}

std::string_view FilePieces::next() {
    if (left_ <= 0) return {};
    piece_.resize(static_cast<std::size_t>(std::min<std::int64_t>(left_, pieceSize)));
    if (!fs::read(file_, piece_.data(), piece_.size())) {
        fail();
        return {};
    }
    left_ -= static_cast<std::int64_t>(piece_.size());
    return piece_;
}

}  // namespace platform
