// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/files/WholeFile.h"
#include "tools/testsupport/TestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class OutputFilesTest : public TestFolder {
protected:
    QString Path(const std::string& name) const { return QString::fromStdString(File(name)); }

    void Write(const std::string& name, const std::string& text) const { std::ofstream(folder_ / name) << text; }
};

} // namespace

TEST_F(OutputFilesTest, ALinkIsFollowedAndWhatIsNotARegularFileIsWrittenInPlace)
{
    Write("target.csv", "old\n");
    fs::create_symlink("target.csv", folder_ / "link.csv");
    ASSERT_EQ(mkfifo((folder_ / "fifo").c_str(), 0600), 0);
    std::string piped;
    std::thread reader([&] {
        std::ifstream in(folder_ / "fifo", std::ios::binary);
        piped.assign(std::istreambuf_iterator<char>(in), {});
    });
    // Appends to what the descriptor was opened on, as ">>" in a shell.
    Write("log.txt", "earlier\n");
    const int log = open((folder_ / "log.txt").c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(log, 0);

    OutputFiles files;
    files.Add(Path("link.csv"), "through the link\n");
    files.Add(Path("fifo"), "through the fifo\n");
    files.Add(QString("/dev/fd/%1").arg(log), "through the descriptor\n");
    EXPECT_EQ(files.Write(), "");
    reader.join();
    close(log);
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.csv"));
    EXPECT_EQ(Read("target.csv"), "through the link\n");
    EXPECT_TRUE(fs::is_fifo(folder_ / "fifo"));
    EXPECT_EQ(piped, "through the fifo\n");
    EXPECT_EQ(Read("log.txt"), "earlier\nthrough the descriptor\n");
}

TEST_F(OutputFilesTest, ACharacterDeviceStaysADeviceAndItsFailureIsReported)
{
    // A private copy of /dev/null and /dev/full; creating them needs root.
    if (mknod((folder_ / "null").c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0
        || mknod((folder_ / "full").c_str(), S_IFCHR | 0600, makedev(1, 7)) != 0)
        GTEST_SKIP() << "cannot create device files here";
    OutputFiles null;
    null.Add(Path("null"), "gone\n");
    EXPECT_EQ(null.Write(), "");
    EXPECT_TRUE(fs::is_character_file(folder_ / "null"));

    Write("kept.csv", "old\n");
    OutputFiles full;
    full.Add(Path("kept.csv"), "new\n");
    full.Add(Path("full"), "no room\n");
    EXPECT_EQ(full.Write(), "cannot write " + Path("full").toStdString() + ": No space left on device");
    EXPECT_TRUE(fs::is_character_file(folder_ / "full"));
    EXPECT_EQ(Read("kept.csv"), "old\n");
}

TEST_F(OutputFilesTest, AFifoThatNoOneReadsFailsTheSetAtOnceWhereAWaitWouldHangAWindow)
{
    Write("kept.bmp", "old\n");
    ASSERT_EQ(mkfifo((folder_ / "unread").c_str(), 0600), 0);
    OutputFiles files(OutputFiles::UnreadFifo::Fail);
    files.Add(Path("kept.bmp"), "new\n");
    files.Add(Path("unread"), "nobody listens\n");
    EXPECT_EQ(files.Write(), "cannot open " + Path("unread").toStdString() + ": No such device or address");
    EXPECT_TRUE(fs::is_fifo(folder_ / "unread"));
    EXPECT_EQ(Read("kept.bmp"), "old\n");
}

// A stop that comes before the write begins to wait for a reader (Ctrl-C
// just as the sweep ends) ends the wait as one that comes during it.
TEST_F(OutputFilesTest, AWaitForAReaderEndsOnAStopThatCameBeforeIt)
{
    ASSERT_EQ(mkfifo((folder_ / "unread").c_str(), 0600), 0);
    for (const int stopBefore : {SIGINT, 0}) {
        std::atomic<int> stop{stopBefore};
        OutputFiles files;
        files.Add(Path("unread"), "nobody listens\n");
        auto writing = std::async(std::launch::async, [&] { return files.Write(&stop); });
        if (stopBefore == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            stop = SIGTERM;
        }
        const bool ended = writing.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        // A writer left waiting is let go by a reader, so that the test ends.
        const int reader = ended ? -1 : open((folder_ / "unread").c_str(), O_RDONLY | O_NONBLOCK);
        EXPECT_TRUE(ended) << "stop " << stopBefore;
        EXPECT_EQ(writing.get().rfind("cannot open " + File("unread"), 0), 0u);
        if (reader >= 0)
            close(reader);
        EXPECT_TRUE(fs::is_fifo(folder_ / "unread"));
    }
}
