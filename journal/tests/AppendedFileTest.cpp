// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/AppendedFile.h"
#include "tools/testsupport/TestFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using Outcome = AppendedFile::Outcome;

class AppendedFileTest : public TestFolder {
protected:
    AppendedFile MadeWith(const std::string& text)
    {
        AppendedFile file;
        EXPECT_EQ(file.Create(File("journal.csv"), text), Outcome::Written);
        return file;
    }
};

// Lines follow one another; a name that is taken is never made again.
TEST_F(AppendedFileTest, GrowsByWhatIsAppended)
{
    AppendedFile file = MadeWith("head\n");
    EXPECT_EQ(file.Append("one\n"), Outcome::Written);
    EXPECT_EQ(file.Append("two\n"), Outcome::Written);
    EXPECT_EQ(Read("journal.csv"), "head\none\ntwo\n");
    AppendedFile other;
    EXPECT_EQ(other.Create(File("journal.csv"), "x"), Outcome::Exists);
    EXPECT_EQ(other.Create(File("no-folder/journal.csv"), "x"), Outcome::Failed);
    EXPECT_EQ(Read("journal.csv"), "head\none\ntwo\n");
}

// Whatever stands under the name once the file was made is not written
// through: a symbolic link to another file, another file renamed over it,
// nothing, a FIFO (which must not block the write either).
TEST_F(AppendedFileTest, WritesOnlyTheFileItMade)
{
    const std::vector<std::string> swaps{"link", "renamed", "deleted", "fifo"};
    for (const std::string& swap : swaps) {
        std::filesystem::remove_all(File("journal.csv"));
        AppendedFile file = MadeWith("head\n");
        std::ofstream(File("victim"), std::ios::trunc) << "precious\n";
        std::filesystem::remove(File("journal.csv"));
        if (swap == "link") {
            std::filesystem::create_symlink(File("victim"), File("journal.csv"));
        } else if (swap == "renamed") {
            std::filesystem::copy_file(File("victim"), File("journal.csv"));
        } else if (swap == "fifo") {
            ASSERT_EQ(::mkfifo(File("journal.csv").c_str(), 0600), 0);
        }
        EXPECT_EQ(file.Append("row\n"), Outcome::Replaced) << swap;
        EXPECT_EQ(Read("victim"), "precious\n") << swap;
        if (swap == "renamed") {
            EXPECT_EQ(Read("journal.csv"), "precious\n");
        }
    }
}

// A write the disk takes only in part (here a file-size limit) is taken
// back before the next one, so that the file grows by whole lines only.
TEST_F(AppendedFileTest, APartWrittenLineIsTakenBack)
{
    AppendedFile file = MadeWith("head\n");
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit tight = limit;
    tight.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const Outcome refused = file.Append("a long row\n");
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(refused, Outcome::Failed);
    EXPECT_EQ(Read("journal.csv"), "head\n");
    EXPECT_EQ(file.Append("a long row\n"), Outcome::Written);
    EXPECT_EQ(Read("journal.csv"), "head\na long row\n");
}

// Taken on, an existing file is cut back to the bytes asked for and grows
// from there; a link or a FIFO in its place is not taken on.
TEST_F(AppendedFileTest, AdoptsAnExistingFile)
{
    std::ofstream(File("journal.csv"), std::ios::binary) << "head\nrow\ntorn ro";
    AppendedFile file;
    EXPECT_EQ(file.Adopt(File("journal.csv"), 9), Outcome::Written);
    EXPECT_EQ(Read("journal.csv"), "head\nrow\n");
    EXPECT_EQ(file.Append("next\n"), Outcome::Written);
    EXPECT_EQ(Read("journal.csv"), "head\nrow\nnext\n");

    std::filesystem::create_symlink(File("journal.csv"), File("link.csv"));
    EXPECT_EQ(AppendedFile().Adopt(File("link.csv"), 0), Outcome::Replaced);
    ASSERT_EQ(::mkfifo(File("fifo.csv").c_str(), 0600), 0);
    EXPECT_EQ(AppendedFile().Adopt(File("fifo.csv"), 0), Outcome::Failed);
    EXPECT_EQ(Read("journal.csv"), "head\nrow\nnext\n");
}

} // namespace
