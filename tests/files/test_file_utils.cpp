#include "files/file_utils.h"

#include <csignal>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_files.h"

namespace vornia {
namespace {

using test::ReadText;
using test::TRecordingSink;
using test::TTempFolder;
using test::WriteText;
using ::testing::ElementsAre;

TEST(CreateEmptyFile, AppendsTheDefaultExtensionOnlyToANameWithoutOne)
{
    TTempFolder folder;
    std::string created;
    ASSERT_TRUE(CreateEmptyFile(folder.File("board"), "mirl", &created));
    EXPECT_EQ(created, folder.File("board.mirl"));
    ASSERT_TRUE(CreateEmptyFile(folder.File("old.ini"), "mirl", &created));
    EXPECT_EQ(created, folder.File("old.ini"));
    EXPECT_THAT(folder.Names(), ElementsAre("board.mirl", "old.ini"));
    EXPECT_EQ(ReadText(created), "");
}

TEST(CreateEmptyFile, RefusesAnExistingFileAndLeavesIt)
{
    TTempFolder folder;
    WriteText(folder.File("kept.mirl"), "[settings]\r\nera=hexlanders\r\n");
    EXPECT_FALSE(CreateEmptyFile(folder.File("kept.mirl"), "mirl"));
    EXPECT_FALSE(CreateEmptyFile(folder.File("kept"), "mirl"));
    EXPECT_EQ(ReadText(folder.File("kept.mirl")), "[settings]\r\nera=hexlanders\r\n");
}

TEST(OpenOrCreateIniFile, CreatesAnEmptyFileInAnEmptyFolder)
{
    TTempFolder folder;
    TRecordingSink sink;
    const auto ini = OpenOrCreateIniFile("VorniaGenerator.ini", folder.Path + "/", "", sink);
    ASSERT_NE(ini, nullptr);
    EXPECT_TRUE(ini->Sections().empty());
    EXPECT_EQ(ini->Path(), folder.File("VorniaGenerator.ini"));
    EXPECT_THAT(folder.Names(), ElementsAre("VorniaGenerator.ini"));
    EXPECT_TRUE(sink.Messages.empty());
}

TEST(OpenOrCreateIniFile, OpensTheFileItCreatedForANameWithoutExtension)
{
    TTempFolder folder;
    TRecordingSink sink;
    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        const auto ini = OpenOrCreateIniFile("notes", folder.Path, "", sink);
        ASSERT_NE(ini, nullptr);
        EXPECT_EQ(ini->Path(), folder.File("notes.ini"));
    }
    EXPECT_TRUE(sink.Messages.empty());
}

TEST(OpenOrCreateIniFile, ReportsAFolderWhereNothingCanBeCreated)
{
    TTempFolder folder;
    TRecordingSink sink;
    const std::string missing = folder.File("missing");
    EXPECT_EQ(OpenOrCreateIniFile("VorniaGenerator.ini", missing, "", sink), nullptr);
    EXPECT_THAT(sink.Messages, ElementsAre("Could not create " + missing + "/VorniaGenerator.ini"));
}

TEST(OpenIniFile, ReportsWhatCannotBeRead)
{
    TTempFolder folder;
    ASSERT_EQ(::mkdir(folder.File("folder.mirl").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(folder.File("pipe.mirl").c_str(), 0644), 0);
    WriteText(folder.File("locked.mirl"), "[settings]\r\n");
    ::chmod(folder.File("locked.mirl").c_str(), 0);
    struct TCase {
        std::string Name;
        std::string Message;
    };
    std::vector<TCase> cases = {
        {"missing.mirl", "Could not find "},
        {"folder.mirl", "Could not open "},
        {"pipe.mirl", "Could not open "},
    };
    if (::geteuid() != 0) // the superuser reads a file without permissions
        cases.push_back({"locked.mirl", "Could not open "});
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRecordingSink sink;
        EXPECT_EQ(OpenIniFile(folder.File(c.Name), sink), nullptr);
        EXPECT_THAT(sink.Messages, ElementsAre(c.Message + folder.File(c.Name)));
    }
}

TEST(ReadWholeFile, RefusesAFileLargerThanTheLimit)
{
    TTempFolder folder;
    WriteText(folder.File("ten"), "0123456789");
    std::string contents = "before";
    std::string error;
    EXPECT_FALSE(ReadWholeFile(folder.File("ten"), contents, &error, 9));
    EXPECT_THAT(error, ::testing::HasSubstr("larger than 9 bytes"));
    EXPECT_EQ(contents, "before");
    EXPECT_TRUE(ReadWholeFile(folder.File("ten"), contents, &error, 10));
    EXPECT_EQ(contents, "0123456789");
}

TEST(WriteFileAtomically, ReplacesTheFileAndKeepsItsPermissionsAndLinks)
{
    TTempFolder folder;
    WriteText(folder.File("real.ini"), "old contents, longer than the new ones");
    ::chmod(folder.File("real.ini").c_str(), 0640);
    std::filesystem::create_symlink("real.ini", folder.File("link.ini"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder.File("link.ini"), "new", &error)) << error;
    EXPECT_EQ(ReadText(folder.File("real.ini")), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.ini")));
    struct stat info {};
    ASSERT_EQ(::stat(folder.File("real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_THAT(folder.Names(), ElementsAre("link.ini", "real.ini"));
}

TEST(WriteFileAtomically, LeavesTheOldFileWhenTheWriteFails)
{
    TTempFolder folder;
    const std::string path = folder.File("VorniaGenerator.ini");
    const std::string old = "[settings]\r\nBrick=5\r\n\r\n";
    WriteText(path, old);
    const std::string big(4096, 'x');
    std::string error;

    // A file size limit makes the write itself fail, even for the superuser.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, big, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_THAT(error, ::testing::HasSubstr("could not write"));
    EXPECT_EQ(ReadText(path), old);
    EXPECT_THAT(folder.Names(), ElementsAre("VorniaGenerator.ini"));

    // A folder in the file's place cannot be replaced.
    ASSERT_EQ(::mkdir(folder.File("taken").c_str(), 0755), 0);
    WriteText(folder.File("taken/inner"), "kept");
    EXPECT_FALSE(WriteFileAtomically(folder.File("taken"), big, &error));
    EXPECT_EQ(ReadText(folder.File("taken/inner")), "kept");
    EXPECT_THAT(folder.Names(), ElementsAre("VorniaGenerator.ini", "taken"));

    if (::geteuid() != 0) { // permissions do not stop the superuser
        ::chmod(folder.Path.c_str(), 0555);
        EXPECT_FALSE(WriteFileAtomically(path, big, &error));
        ::chmod(folder.Path.c_str(), 0755);
        EXPECT_EQ(ReadText(path), old);
    }
}

TEST(TIniFile, UpdateFileWritesTheTextToItsPath)
{
    TTempFolder folder;
    TRecordingSink sink;
    auto ini = OpenOrCreateIniFile("VorniaGenerator.ini", folder.Path, "", sink);
    ASSERT_NE(ini, nullptr);
    ini->WriteString("settings", "shape", "wolf");
    std::string error;
    ASSERT_TRUE(ini->UpdateFile(&error)) << error;
    EXPECT_EQ(ReadText(folder.File("VorniaGenerator.ini")), "[settings]\r\nshape=wolf\r\n\r\n");
    EXPECT_FALSE(TIniFile().UpdateFile(&error));
}

} // namespace
} // namespace vornia
