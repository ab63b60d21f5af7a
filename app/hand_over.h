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

// "FEST": no other program's data carries it by chance.
constexpr std::uintptr_t handOverTag = 0x46455354;
constexpr std::size_t largestHandOver = 64 * 1024;
constexpr std::size_t mostFilesHandedOver = 100;

struct HandOver {
    std::string text;       // the program's path and the files, each quoted
    std::size_t fileCount;  // how many files it names
};

// The hand-overs of these files, in order, as few as the bounds allow; one
// naming no file when there is none. A file too long to fit alone gets a
// hand-over of its own, which the running Festorin refuses.
std::vector<HandOver> handOvers(const std::string& program, const std::vector<std::string>& files);

// The files of a hand-over; nothing when it is not Festorin's own, is too
// large, names too many files, or holds a zero byte, which no command line
// does.
std::optional<std::vector<std::string>> filesHandedOver(std::uintptr_t tag, std::string_view text);

}  // namespace app
