// Replays the fuzzers' seed corpora and every input they ever found at fault
// through the same checks the fuzzers make.
#include "DrawFileInvariants.h"
#include "ImportInvariants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Every file of the folders under the fuzz directory through `check`; the
// number replayed.
int Replay(std::initializer_list<const char*> folders, std::string (*check)(const std::string&))
{
    int replayed = 0;
    for (const char* folder : folders) {
        for (const auto& entry :
            std::filesystem::directory_iterator(std::filesystem::path(VELDORAN_FUZZ_DIR) / folder)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with('.'))
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
            EXPECT_EQ(check(bytes), "") << entry.path();
            ++replayed;
        }
    }
    return replayed;
}

TEST(FuzzRegression, EveryKeptInputHoldsTheInvariants)
{
    EXPECT_GE(Replay({ "corpus", "regressions" }, CheckDrawFile), 20);
}

TEST(FuzzRegression, EveryKeptHistoryHoldsTheImportInvariants)
{
    EXPECT_GE(Replay({ "import-corpus", "import-regressions" }, CheckImportHistory), 10);
}

} // namespace
