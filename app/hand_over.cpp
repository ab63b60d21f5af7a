#include "app/hand_over.h"

#include "app/command_line.h"

namespace app {

std::vector<HandOver> handOvers(const std::string& program, const std::vector<std::string>& files) {
    const std::string programPart = quotedArgument(program);
    std::vector<HandOver> batches{{programPart, 0}};
    for (const std::string& file : files) {
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
    if (tag != handOverTag || text.size() > largestHandOver ||
        text.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::vector<std::string> files = commandLineArguments(std::string(text));
    if (files.size() > mostFilesHandedOver) return std::nullopt;
    return files;
}

}  // namespace app
