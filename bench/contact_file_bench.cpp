// Reading and writing the contact file at the table's limit, each beside a
// plain read or write of the same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/bench_people.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "platform/atomic_file.h"

namespace {

std::string benchFolder() {
    auto folder = std::filesystem::temp_directory_path() / "festorin-bench";
    std::filesystem::create_directories(folder);
    return folder.string();
}

// Everyone born on the 5th of March.
void fillPeople(platform::StringGrid& grid, int people) {
    bench::fillPeople(grid, people, [](int) { return bench::Birthday{"0305", "March, 5"}; });
}

const std::string& contactFile() {
    static const std::string path = [] {
        std::string file = benchFolder() + "/dates.txt";
        platform::StringGrid grid(nullptr, book::columnCount);
        fillPeople(grid, book::maxPeople);
        book::writeContactFile(file, grid);
        return file;
    }();
    return path;
}

void BM_LoadContacts(benchmark::State& state) {
    for (auto _ : state) {
        platform::StringGrid grid(nullptr, book::columnCount);
        auto read = book::readContactFile(contactFile(), grid);
        benchmark::DoNotOptimize(read.people);
    }
}

void BM_PlainRead(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes;
        platform::readSmallFile(contactFile(), bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_SaveContacts(benchmark::State& state) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillPeople(grid, book::maxPeople);
    const std::string path = benchFolder() + "/dates-written.txt";
    for (auto _ : state) book::writeContactFile(path, grid);
}

// The same bytes through the same atomic replace, without building records.
void BM_PlainWrite(benchmark::State& state) {
    std::string bytes;
    platform::readSmallFile(contactFile(), bytes);
    const std::string path = benchFolder() + "/plain-written.txt";
    for (auto _ : state) platform::writeFileAtomically(path, bytes);
}

BENCHMARK(BM_LoadContacts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveContacts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

}  // namespace
