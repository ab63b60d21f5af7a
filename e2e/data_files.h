#pragma once
// Festorin's data folder in this Wine prefix, its files, and the records of
// the contact file. A test reads a data file only while no Festorin runs, or
// through Festorin::dataFile, which first waits until Festorin is done.
#include <string>
#include <vector>

namespace e2e {

// "FN\" in this prefix's application-data folder, with a backslash at the end.
std::string dataFolder();
// Makes the data folder exist and hold no file.
void clearDataFolder();
void writeDataFile(const std::string& name, const std::string& bytes);
std::string readDataFile(const std::string& name);
bool dataFileExists(const std::string& name);
// Any file, by its path in UTF-8, which may name it in any language; the
// prefix's own folders are ASCII, which reads the same in UTF-8.
void writeFileUtf8(const std::string& utf8Path, const std::string& bytes);
std::string readFileUtf8(const std::string& utf8Path);
void removeFileUtf8(const std::string& utf8Path);
// The names in the data folder, files and folders, in no particular order.
std::vector<std::string> dataFolderEntries();
// Each entry of the data folder with its size, as one line; nothing is opened.
std::string dataFolderSizes();
// Takes the right to write away from the data folder, or gives it back, as
// the Unix file system sees it (a Windows attribute does not stop Wine
// there); true once a file can no longer, or again, be created in it.
bool setDataFolderWritable(bool writable);

// The ten cells of one person, in grid column order (column 0 is the key).
using Person = std::vector<std::string>;
// One 364-byte record of "dates.txt", the way Festorin writes it.
std::string contactRecord(const Person& person);
// The records of several people, one after another, as "dates.txt" holds them.
std::string contactRecords(const std::vector<Person>& people);

}  // namespace e2e
