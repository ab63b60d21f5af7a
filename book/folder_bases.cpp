#include "folder_bases.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "content_hash.h"
#include "data_folder.h"
#include "kept_list.h"
#include "platform/atomic_file.h"
#include "platform/file_system.h"

namespace book {

namespace {

const std::string namePrefix = "dates.";
const std::string nameSuffix = ".base";
constexpr std::size_t hashDigits = 16;

bool isFolderBaseName(const std::string& name) {
    return name.size() == namePrefix.size() + hashDigits + nameSuffix.size() &&
           name.starts_with(namePrefix) && name.ends_with(nameSuffix) &&
           std::all_of(name.begin() + namePrefix.size(), name.end() - nameSuffix.size(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

}  // namespace

void FolderBases::keep(const std::string& folder, const KnownContactFile& known,
                       const std::string* fileBytes) {
    if (standard_.empty() || !known.stamp || sameFolder(folder, standard_)) return;
    const std::string key = folderKey(folder);
    const std::string path = pathOf(key);
    const std::uint64_t hash = known.stamp->hash;
    const bool keptHere = path == keptPath_;
    if (keptHere && hash == keptHash_) return;
    keptPath_.clear();
    const bool found = platform::fs::fileExists(path);
    if (keptHere || !found || !holds(path, key, hash)) {
        const std::string records = fileBytes ? std::string() : recordsOf(known.rows);
        platform::writeFileAtomically(path,
                                      {keptListHeading(key), fileBytes ? *fileBytes : records});
    }
    keptPath_ = path;
    keptHash_ = hash;
    if (!found) dropAllButTheLast(path);
}

std::optional<std::vector<PersonRow>> FolderBases::of(const std::string& folder) const {
    if (standard_.empty() || sameFolder(folder, standard_)) return std::nullopt;
    const std::string key = folderKey(folder);
    if (auto rows = readKeptList(pathOf(key), key)) return rows;
    // As kept at the end of the program when a change could not be saved.
    return readKeptList(standard_ + baseListFileName, folder);
}

std::string FolderBases::pathOf(const std::string& key) const {
    char digits[hashDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx",
                  static_cast<unsigned long long>(contentHash(key)));
    return standard_ + namePrefix + digits + nameSuffix;
}

bool FolderBases::holds(const std::string& path, const std::string& key, std::uint64_t hash) const {
    std::string bytes;
    const std::string heading = keptListHeading(key);
    return platform::readSmallFile(path, bytes) && bytes.starts_with(heading) &&
           contentHash(std::string_view(bytes).substr(heading.size())) == hash;
}

// The file just written is the newest, and is kept whatever its time says.
void FolderBases::dropAllButTheLast(const std::string& kept) const {
    std::vector<std::pair<std::int64_t, std::string>> bases;
    for (const std::string& name : platform::fs::filesIn(standard_))
        if (isFolderBaseName(name) && standard_ + name != kept)
            bases.emplace_back(platform::fs::lastWriteTime(standard_ + name), name);
    if (bases.size() < keptFolderBases) return;
    std::sort(bases.begin(), bases.end(), [](const auto& a, const auto& b) { return a > b; });
    for (std::size_t i = keptFolderBases - 1; i < bases.size(); ++i)
        platform::fs::remove(standard_ + bases[i].second);
}

}  // namespace book
