#include "app/hand_over.h"

#include "address_book/text_encoding.h"
#include "app/command_line.h"
#include "platform/code_pages.h"

namespace app {

namespace {

// Festorin's own tag, a size within bounds, no zero byte, and UTF-8 under the
// UTF-8 tag.
bool ownAndBounded(std::uintptr_t tag, std::string_view text) {
    if (text.size() > largestHandOver || text.find('\0') != std::string_view::npos) return false;
    return tag == ansiHandOverTag || (tag == utf8HandOverTag && address_book::isUtf8(text));
}

}  // namespace

std::vector<HandOver> handOvers(const std::string& utf8Program,
                                const std::vector<std::string>& utf8Files) {
    const std::string programPart = quotedArgument(utf8Program);
    std::vector<HandOver> batches{{programPart, 0}};
    for (const std::string& file : utf8Files) {
        const std::string filePart = " " + quotedArgument(file);
        const HandOver& last = batches.back();
        if (last.fileCount == mostFilesHandedOver ||
            (last.fileCount > 0 && last.text.size() + filePart.size() > largestHandOver))
            batches.push_back({programPart, 0});
        batches.back().text += filePart;
        ++batches.back().fileCount;
    }
    return batches;
}

std::optional<std::vector<std::string>> filesHandedOver(std::uintptr_t tag, std::string_view text) {
    if (!ownAndBounded(tag, text)) return std::nullopt;
    std::vector<std::string> files = commandLineArguments(std::string(text));
    if (files.size() > mostFilesHandedOver) return std::nullopt;
    if (tag == ansiHandOverTag)
        for (std::string& file : files) file = platform::ansiToUtf8(file);
    return files;
}

}  // namespace app
