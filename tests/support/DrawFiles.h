#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// Helpers shared by the tests and the benchmarks: temporary folders and
// draw files written in the program's format.
namespace TestSupport {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to the file `name` in this folder and returns its full path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// A path as the program takes file names: UTF-8, on every system.
std::string UTF8String(const std::filesystem::path& path);

struct Draw {
    int32_t drawNo;
    std::vector<int32_t> numbers;

    friend bool operator==(const Draw&, const Draw&) = default;
};

std::ostream& operator<<(std::ostream& out, const Draw& draw);

// The lines of a draw file: header "KK/MM", then "NNNN  " and the numbers two
// columns each, lines ended by CR LF when crlf is set, LF otherwise.
std::string DrawFileText(int32_t k, int32_t m, const std::vector<Draw>& draws, bool crlf = false);

// `count` draws of k distinct numbers out of 1..m, numbered from firstDrawNo,
// each sorted ascending, from a seeded generator: the same arguments always
// give the same draws.
std::vector<Draw> RandomDraws(int32_t k, int32_t m, int32_t count, uint32_t seed, int32_t firstDrawNo = 1);

} // namespace TestSupport
