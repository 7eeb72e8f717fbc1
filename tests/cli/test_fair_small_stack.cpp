#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include <pthread.h>

#include "board/board_settings.h"
#include "cli/cli_args.h"
#include "cli/cli_run.h"

namespace vornia {
namespace {

// Runs work on a thread of its own with a stack of the given size (a stack
// size std::thread cannot choose) and waits for it.
void RunOnStack(std::size_t bytes, const std::function<void()>& work)
{
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, bytes), 0);
    const auto start = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&work)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

// The largest board, thousands of land plates, under each rule on neighbours
// on a stack far smaller than a main thread's: the web edition has no more.
TEST(FairSearch, EveryCount500OnASmallStack)
{
    std::string counts;
    for (const TCountKey& key : CountKeys)
        counts += (counts.empty() ? "" : ",") + std::string(key.Key) + "=500";
    for (const char* rule : {"red", "equal", "resource"}) {
        SCOPED_TRACE(rule);
        std::ostringstream out, err;
        int status = -1;
        RunOnStack(256 * 1024, [&] {
            const TCliParse parse = ParseCliArgs({"vornia-cli", "generate", "--shape", "random", "--counts", counts,
                                                  "--fair", rule, "--seed", "5", "--balance"});
            status = RunCli(parse.Args, out, err, nullptr);
        });
        EXPECT_EQ(status, ExitOk) << err.str();
        EXPECT_NE(out.str().find(" " + std::string(rule) + "=0"), std::string::npos) << out.str();
    }
}

} // namespace
} // namespace vornia
