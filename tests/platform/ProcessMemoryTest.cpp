#include "platform/ProcessMemory.h"

#include <QFile>

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

TEST(ProcessMemoryTest, FiguresFollowDescriptorsThreadsAndTouchedMemory) {
    const TProcessFigures before = ReadProcessFigures();
    EXPECT_GT(before.RssKb, 0);
    EXPECT_GE(before.PeakRssKb, before.RssKb);

    QFile file(QStringLiteral("/proc/self/status"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::mutex lock;
    std::condition_variable cv;
    bool done = false;
    std::thread waiting([&] {
        std::unique_lock<std::mutex> held(lock);
        cv.wait(held, [&] { return done; });
    });
    constexpr size_t Size = 64u << 20;
    const auto block = std::make_unique<char[]>(Size);
    std::memset(block.get(), 1, Size);

    const TProcessFigures during = ReadProcessFigures();
    {
        std::lock_guard<std::mutex> held(lock);
        done = true;
    }
    cv.notify_one();
    waiting.join();
    EXPECT_EQ(during.Descriptors, before.Descriptors + 1);
    EXPECT_EQ(during.Threads, before.Threads + 1);
    EXPECT_GE(during.RssKb - before.RssKb, 60 * 1024);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool OwnAllocator = true; // the sanitizer's heap replaces the C library's
#else
constexpr bool OwnAllocator = false;
#endif

TEST(ProcessMemoryTest, FreedMemoryInsideTheHeapGoesBackToTheSystem) {
    if (OwnAllocator)
        GTEST_SKIP() << "the C library's heap is not in use";
    // Small blocks freed between a few that stay: the heap cannot shrink
    // from its top, so only handing back inner pages lowers the resident size.
    std::vector<char*> blocks;
    for (int i = 0; i < 200000; ++i) {
        blocks.push_back(static_cast<char*>(std::malloc(400)));
        std::memset(blocks.back(), 1, 400);
    }
    std::vector<char*> kept;
    for (size_t i = 0; i < blocks.size(); ++i)
        if (i % 1024 == 1023)
            kept.push_back(blocks[i]);
        else
            std::free(blocks[i]);
    const TProcessFigures freed = ReadProcessFigures();
    ReleaseFreedMemory();
    const TProcessFigures released = ReadProcessFigures();
    for (char* block : kept)
        std::free(block);
    EXPECT_GE(freed.RssKb - released.RssKb, 50 * 1024);
}

} // namespace
