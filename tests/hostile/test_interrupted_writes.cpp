// Writes killed at random moments: the file under the target name is always
// the complete old file or the complete new one, never a part of either.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "hostile_support.h"
#include "program_version.h"

namespace vornia::hostile {
namespace {

constexpr int Runs = 200;

struct TOutcomes {
    int Old = 0;
    int New = 0;
    int LeftoverTemporaries = 0;
};

// Runs the writer to its end a few times and gives its typical duration.
std::chrono::microseconds TypicalDuration(const std::vector<std::string>& argv, const TTempFolder& folder,
                                          const std::string& target, const std::string& oldText)
{
    std::vector<std::chrono::microseconds> times;
    for (int i = 0; i < 5; ++i) {
        WriteFileText(target, oldText);
        const auto start = std::chrono::steady_clock::now();
        const TRunResult run = RunProgram(argv, folder);
        times.push_back(std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start));
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Starts the writer Runs times over the old file and kills it after a random
// delay of up to a little more than it takes to finish.
TOutcomes KillAtRandomMoments(const std::vector<std::string>& argv, const TTempFolder& folder,
                              const std::string& target, const std::string& oldText, const std::string& newText)
{
    const std::chrono::microseconds typical = TypicalDuration(argv, folder, target, oldText);
    EXPECT_EQ(ReadFileText(target), newText) << "the writer is not reproducible";
    std::mt19937 random(97);
    std::uniform_int_distribution<long> delay(0, typical.count() * 6 / 5);

    const std::string targetName = std::filesystem::path(target).filename().string();
    TOutcomes outcomes;
    for (int run = 0; run < Runs; ++run) {
        WriteFileText(target, oldText);
        {
            TChild child(argv, folder.File(".kill.out"), folder.File(".kill.err"));
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            child.Kill();
            child.Wait(60);
        }
        const std::string now = ReadFileText(target);
        if (now == oldText) {
            ++outcomes.Old;
        } else if (now == newText) {
            ++outcomes.New;
        } else {
            ADD_FAILURE() << "run " << run << ": " << target << " holds " << now.size()
                          << " bytes, neither the old " << oldText.size() << " nor the new " << newText.size();
            return outcomes;
        }
        // A killed writer may leave its temporary file (under another,
        // hidden name) and nothing else.
        for (const std::string& name : folder.Names()) {
            if (name == targetName || name.starts_with(".kill.") || name.starts_with("keep-"))
                continue;
            EXPECT_TRUE(name.starts_with("." + targetName + ".") && name.ends_with(".tmp")) << name;
            std::filesystem::remove(folder.File(name));
            ++outcomes.LeftoverTemporaries;
        }
    }
    std::cout << "[ outcomes ] " << Runs << " kills: " << outcomes.Old << " left the old file, " << outcomes.New
              << " the new one, " << outcomes.LeftoverTemporaries << " left a temporary file\n";
    return outcomes;
}

TEST(InterruptedWrites, AKilledGenerateLeavesTheOldBoardOrTheNewOne)
{
    TTempFolder folder;
    const std::string target = folder.File("board.mirl");
    // A large board, so that the write takes a while.
    const std::vector<std::string> argv{VORNIA_CLI_PATH,
                                        "generate",
                                        "--shape",
                                        "random",
                                        "--counts",
                                        "Brick=500,Grain=500,Lumber=500,Ore=500,Wool=500,Desert=500,Water=500",
                                        "--seed",
                                        "777",
                                        "--out",
                                        target,
                                        "--force"};
    // The old board: another seed, written the same way.
    std::vector<std::string> oldArgv = argv;
    oldArgv[7] = "778";
    oldArgv[9] = folder.File("keep-old.mirl");
    ASSERT_EQ(RunProgram(oldArgv, folder).ExitCode, 0);
    const std::string oldText = ReadFileText(oldArgv[9]);
    std::vector<std::string> newArgv = argv;
    newArgv[9] = folder.File("keep-new.mirl");
    ASSERT_EQ(RunProgram(newArgv, folder).ExitCode, 0);
    const std::string newText = ReadFileText(newArgv[9]);
    ASSERT_NE(oldText, newText);
    ASSERT_GT(newText.size(), 100'000u);

    const TOutcomes outcomes = KillAtRandomMoments(argv, folder, target, oldText, newText);
    // The delays reach past the end of a typical run and start at zero, so
    // both endings occur; otherwise the kills tested nothing.
    EXPECT_GT(outcomes.Old, 0);
    EXPECT_GT(outcomes.New, 0);
}

TEST(InterruptedWrites, AKilledSettingsWriteLeavesTheOldFileOrTheNewOne)
{
    TTempFolder folder;
    const std::string target = folder.File("VorniaGenerator.ini");
    // Settings with a large section of someone else's keys, which the write keeps.
    std::string oldText =
        "[settings]\r\nversion=" + std::string(ProgramVersion) + "\r\nshape=wolf\r\nwindowWidth=700\r\n\r\n[notes]\r\n";
    for (int i = 0; i < 20'000; ++i)
        oldText += "note" + std::to_string(i) + "=kept as it was written by hand\r\n";
    const std::vector<std::string> argv{HOSTILE_SETTINGS_WRITER_PATH, target, "1234"};

    const std::string copy = folder.File("keep-copy.ini");
    WriteFileText(copy, oldText);
    ASSERT_EQ(RunProgram({HOSTILE_SETTINGS_WRITER_PATH, copy, "1234"}, folder).ExitCode, 0);
    const std::string newText = ReadFileText(copy);
    ASSERT_NE(newText.find("windowWidth=1234\r\n"), std::string::npos);
    ASSERT_NE(newText.find("note19999=kept"), std::string::npos);

    const TOutcomes outcomes = KillAtRandomMoments(argv, folder, target, oldText, newText);
    EXPECT_GT(outcomes.Old, 0);
    EXPECT_GT(outcomes.New, 0);
}

} // namespace
} // namespace vornia::hostile
