#pragma once
// What a second start of Festorin hands to the run already going in the
// session: the files named on its command line, as a command line of full
// paths, under a tag of Festorin's own and within bounds that the running
// Festorin checks before it reads a byte of it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// "FES8": the paths in UTF-8, so that a file named in any language arrives.
constexpr std::uintptr_t utf8HandOverTag = 0x46455338;
// "FEST": the paths in the ANSI code page, as an older second start still
// hands them over during an upgrade.
constexpr std::uintptr_t ansiHandOverTag = 0x46455354;
constexpr std::size_t largestHandOver = 64 * 1024;
constexpr std::size_t mostFilesHandedOver = 100;

struct HandOver {
    std::string text;       // the program's path and the files, each quoted, in UTF-8
    std::size_t fileCount;  // how many files it names
};

// The hand-overs of these files, in order, as few as the bounds allow; one
// naming no file when there is none. A file too long to fit alone gets a
// hand-over of its own, which the running Festorin refuses. They go under
// utf8HandOverTag.
std::vector<HandOver> handOvers(const std::string& utf8Program,
                                const std::vector<std::string>& utf8Files);

// The files of a hand-over, as UTF-8 paths; nothing when it is not Festorin's
// own, is too large, names too many files, holds a zero byte, which no
// command line does, or comes under the UTF-8 tag and is no UTF-8.
std::optional<std::vector<std::string>> filesHandedOver(std::uintptr_t tag, std::string_view text);

}  // namespace app
