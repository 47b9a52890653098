// What only Windows has: its own error codes for the messages, devices by
// reserved names, and folders that CreateFile does not open as files.
#include "LoaderChecks.h"
#include "analysis/Analysis.h"
#include "analysis/files/ReadOnlyFile.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

using namespace Main;
using namespace LoaderChecks;

namespace {

TEST(FileErrorMessage, MapsWindowsErrorCodes)
{
    EXPECT_EQ(FileErrorMessage(2), "File not found");
    EXPECT_EQ(FileErrorMessage(3), "Invalid filename");
    EXPECT_EQ(FileErrorMessage(4), "Too many open files");
    EXPECT_EQ(FileErrorMessage(5), "File access denied");
    EXPECT_EQ(FileErrorMessage(32), "I/O error 32");
}

TEST(DrawFileLoader, RefusesWhatIsNotADiskFile)
{
    TestSupport::TempDir dir;
    EXPECT_EQ(Load(dir.path().string()), "File access denied");
    EXPECT_EQ(Load("NUL"), "File access denied");
    EXPECT_EQ(Load((dir.path() / "missing" / "draws.txt").string()), "Invalid filename");
    EXPECT_EQ(Load((dir.path() / "missing.txt").string()), "File not found");
}

} // namespace
