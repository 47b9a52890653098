#include "support/DrawFiles.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <random>
#include <stdexcept>

namespace TestSupport {

std::string UTF8String(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

TempDir::TempDir()
{
    std::random_device entropy;
    std::mt19937_64 names((static_cast<uint64_t>(entropy()) << 32) ^ entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "veldoran-%016llx", static_cast<unsigned long long>(names()));
        std::filesystem::path path = std::filesystem::temp_directory_path() / name;
        if (std::filesystem::create_directory(path)) {
            path_ = std::move(path);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const
{
    const std::filesystem::path file = path_ / std::filesystem::u8path(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return UTF8String(file);
}

std::ostream& operator<<(std::ostream& out, const Draw& draw)
{
    out << draw.drawNo << ':';
    for (const int32_t number : draw.numbers)
        out << ' ' << number;
    return out;
}

std::string DrawFileText(int32_t k, int32_t m, const std::vector<Draw>& draws, bool crlf)
{
    const char* lineEnd = crlf ? "\r\n" : "\n";
    char field[16];
    std::snprintf(field, sizeof field, "%02d/%02d", k, m);
    std::string text = std::string(field) + lineEnd;
    for (const Draw& draw : draws) {
        std::snprintf(field, sizeof field, "%04d  ", draw.drawNo);
        text += field;
        for (const int32_t number : draw.numbers) {
            std::snprintf(field, sizeof field, "%02d", number);
            text += field;
        }
        text += lineEnd;
    }
    return text;
}

std::vector<Draw> RandomDraws(int32_t k, int32_t m, int32_t count, uint32_t seed, int32_t firstDrawNo)
{
    std::mt19937 random(seed);
    std::vector<int32_t> all(static_cast<std::size_t>(m));
    std::iota(all.begin(), all.end(), 1);
    std::vector<Draw> draws;
    for (int32_t i = 0; i < count; ++i) {
        std::shuffle(all.begin(), all.end(), random);
        Draw draw { firstDrawNo + i, std::vector<int32_t>(all.begin(), all.begin() + k) };
        std::sort(draw.numbers.begin(), draw.numbers.end());
        draws.push_back(std::move(draw));
    }
    return draws;
}

} // namespace TestSupport
