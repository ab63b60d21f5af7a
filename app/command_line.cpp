#include "app/command_line.h"

namespace app {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The program's name ends at the next quote when it starts with one, else at
// the first blank; backslashes mean nothing in it.
std::size_t afterProgramName(const std::string& line) {
    if (!line.empty() && line[0] == '"') {
        const std::size_t quote = line.find('"', 1);
        return quote == std::string::npos ? line.size() : quote + 1;
    }
    std::size_t at = 0;
    while (at < line.size() && !isBlank(line[at])) ++at;
    return at;
}

}  // namespace

std::vector<std::string> commandLineArguments(const std::string& line) {
    std::vector<std::string> arguments;
    std::size_t at = afterProgramName(line);
    while (true) {
        while (at < line.size() && isBlank(line[at])) ++at;
        if (at >= line.size()) return arguments;
        std::string argument;
        bool quoted = false;
        while (at < line.size() && (quoted || !isBlank(line[at]))) {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\') ++backslashes, ++at;
            if (at < line.size() && line[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1)
                    argument += '"';
                else
                    quoted = !quoted;
                ++at;
            } else {
                argument.append(backslashes, '\\');
                if (at < line.size() && (quoted || !isBlank(line[at]))) argument += line[at++];
            }
        }
        arguments.push_back(argument);
    }
}

std::string quotedArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

}  // namespace app
