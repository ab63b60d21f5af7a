#pragma once
// Records of the contact file, made the way the program writes them, for the
// tests that prepare a contact file or check one byte for byte.
#include <string>
#include <vector>

namespace test_support {

// The ten texts of a person, in the grid's column order.
using Person = std::vector<std::string>;

// The people's records one after another, as the contact file holds them.
std::string records(const std::vector<Person>& people);
// The people of a contact file's bytes, each whole record's ten texts; a
// tail shorter than a record is left out.
std::vector<Person> peopleOfRecords(const std::string& bytes);
// The record of someone known only by birthday key and first name.
std::string record(const std::string& key, const std::string& firstName);

}  // namespace test_support
