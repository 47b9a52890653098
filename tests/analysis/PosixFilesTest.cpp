// Files that only a POSIX system has: permissions that stop reading, a pipe,
// a socket, a device; and errno's names for the messages.
#include "LoaderChecks.h"
#include "analysis/Analysis.h"
#include "analysis/files/ReadOnlyFile.h"
#include "analysis/files/TextEncoding.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>

using namespace Main;
using namespace LoaderChecks;
using TestSupport::TempDir;

namespace {

TEST(DrawFileLoader, FileWithoutReadPermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, where permissions do not stop reading";
    TempDir dir;
    const std::string path = dir.write("locked.txt", "06/49\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    ResetHeader();
    EXPECT_EQ(Load(path), "File access denied");
    EXPECT_EQ(NumbersPerDraw, Untouched);
    EXPECT_EQ(DrawCount, 0);
}

TEST(FileErrorMessage, MapsSystemErrorNumbers)
{
    EXPECT_EQ(FileErrorMessage(ENFILE), "Too many open files");
    EXPECT_EQ(FileErrorMessage(EMFILE), "Too many open files");
    EXPECT_EQ(FileErrorMessage(EPERM), "File access denied");
    EXPECT_EQ(FileErrorMessage(EACCES), "File access denied");
    EXPECT_EQ(FileErrorMessage(EINVAL), "Invalid filename");
    EXPECT_EQ(FileErrorMessage(EIO), "I/O error 5");
}

// Anything but a regular file is refused at once, without reading or waiting:
// a device that never ends, a pipe with no writer, a socket.
TEST(DrawFileLoader, RefusesFilesThatAreNotRegular)
{
    TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = (dir.path() / "socket").string();
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    for (const std::string& path : { std::string("/dev/zero"), fifo, socketPath }) {
        ResetHeader();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Load(path), "File access denied") << path;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << path;
        EXPECT_EQ(NumbersPerDraw, Untouched) << path;
        EXPECT_EQ(DrawCount, 0) << path;
    }
    ::close(sock);
}

// The program's own Windows-1251 table gives what the system's iconv gives
// for every byte, 0x98 (undefined there) as U+FFFD.
TEST(TextEncoding, Cp1251TableMatchesIconv)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char in[2] = { static_cast<char>(byte), static_cast<char>(0xFF) }; // 0xFF: я, keeps the text invalid UTF-8
        char out[16] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool defined = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
        const std::string expected = (defined ? std::string(out, outPtr) : std::string("\xEF\xBF\xBD")) + "я";
        EXPECT_EQ(LegacyTextToUtf8(std::string_view(in, 2)), expected) << std::hex << byte;
    }
    iconv_close(cd);
}

} // namespace
