#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "tmp_name_gen.h"

namespace {

const std::string kAlphabet =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

std::string NextName() { return TmpNameGen::getInstance().getTmpName().c_str(); }

bool IsAlphabetName(const std::string& name)
{
    return name.size() == 8 && name.find_first_not_of(kAlphabet) == std::string::npos;
}

TEST(TmpNameGen, NamesAreEightAlphabetCharactersAndDistinct)
{
    const int count = 200000;
    std::set<std::string> seen;
    for (int i = 0; i < count; ++i) {
        const std::string name = NextName();
        ASSERT_TRUE(IsAlphabetName(name)) << "'" << name << "'";
        seen.insert(name);
    }
    // 48 random bits per name: a repeat among this many would point at a short cycle.
    EXPECT_EQ(seen.size(), static_cast<size_t>(count));
}

// Every six-bit value must be reachable at every position of the name; a
// wrong shift or mask in the encoding leaves characters out.
TEST(TmpNameGen, EveryPositionUsesTheWholeAlphabet)
{
    std::vector<std::set<char>> per_position(8);
    for (int i = 0; i < 20000; ++i) {
        const std::string name = NextName();
        for (size_t pos = 0; pos < name.size(); ++pos)
            per_position[pos].insert(name[pos]);
    }
    for (size_t pos = 0; pos < per_position.size(); ++pos)
        EXPECT_EQ(per_position[pos].size(), kAlphabet.size()) << "position " << pos;
}

TEST(TmpNameGen, ThreadsNeverReceiveTheSameName)
{
    const int threads = 8;
    const int per_thread = 20000;
    std::vector<std::vector<std::string>> names(threads);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&names, t] {
            for (int i = 0; i < per_thread; ++i)
                names[t].push_back(NextName());
        });
    }
    for (std::thread& worker : workers)
        worker.join();

    std::set<std::string> all;
    for (const std::vector<std::string>& list : names) {
        for (const std::string& name : list) {
            EXPECT_TRUE(IsAlphabetName(name)) << "'" << name << "'";
            all.insert(name);
        }
    }
    EXPECT_EQ(all.size(), static_cast<size_t>(threads * per_thread));
}

TEST(TmpNameGen, PathJoinsPrefixAndName)
{
    const std::string path = TmpNameGen::getInstance().getTmpPath("/tmp").c_str();
    ASSERT_EQ(path.size(), std::string("/tmp/").size() + 8);
    EXPECT_EQ(path.substr(0, 5), "/tmp/");
    EXPECT_TRUE(IsAlphabetName(path.substr(5)));

    // The prefix is taken as it is: a trailing slash is not folded.
    const std::string doubled = TmpNameGen::getInstance().getTmpPath("/tmp/").c_str();
    EXPECT_EQ(doubled.substr(0, 6), "/tmp//");
}

} // namespace
