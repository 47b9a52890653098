// Replays the fuzzer's seed corpus and every input it ever found at fault
// through the same checks the fuzzer makes.
#include "DrawFileInvariants.h"
#include "ImportInvariants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

TEST(FuzzRegression, EveryKeptInputHoldsTheInvariants)
{
    int replayed = 0;
    for (const char* folder : { "corpus", "regressions" }) {
        for (const auto& entry :
            std::filesystem::directory_iterator(std::filesystem::path(VELDORAN_FUZZ_DIR) / folder)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with('.'))
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
            EXPECT_EQ(CheckDrawFile(bytes), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 20);
}

TEST(FuzzRegression, EveryKeptHistoryHoldsTheImportInvariants)
{
    int replayed = 0;
    for (const char* folder : { "import-corpus", "import-regressions" }) {
        for (const auto& entry :
            std::filesystem::directory_iterator(std::filesystem::path(VELDORAN_FUZZ_DIR) / folder)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with('.'))
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
            EXPECT_EQ(CheckImportHistory(bytes), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 10);
}

} // namespace
