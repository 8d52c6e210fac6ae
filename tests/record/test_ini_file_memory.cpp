// SPDX-License-Identifier: GPL-3.0-or-later
// The memory a read of an INI file takes, counted by replacing the global allocation
// functions of this test program: a read must cost a few times the file's size.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "record/ini_file.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

}  // namespace

// Counts what the allocator hands out (its usable size, known again at the delete).
void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    const std::size_t live = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes;
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

namespace {

void Release(void* block) noexcept {
    liveBytes -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void operator delete(void* block) noexcept {
    Release(block);
}

void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}

namespace vorlak {
namespace {

// Bytes allocated at the peak of parsing, above what was allocated before.
std::size_t ParsePeak(const std::string& bytes) {
    const std::size_t before = liveBytes;
    peakBytes = before;
    const IniFile file = IniFile::Parse(bytes);
    return peakBytes - before;
}

std::string Repeated(std::string_view line, std::size_t size) {
    std::string text;
    text.reserve(size);
    while (text.size() + line.size() <= size)
        text += line;
    return text;
}

// The shortest lines of each kind are the most lines per byte: every kind must stay within
// a few times the file's size (a line once cost 64 bytes of bookkeeping).
TEST(IniFileMemoryTest, AReadCostsAFewTimesTheFileSize) {
    constexpr std::size_t kSize = std::size_t{1} << 20;
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"blank lines", Repeated("\n", kSize)},
        {"comment lines", "[s]\n" + Repeated(";\r\n", kSize)},
        {"macro store lines", "[M]\n" + Repeated("Item1234=A   Dn\n", kSize)},
        {"shortest key lines", "[s]\n" + Repeated("=\n", kSize)},
        {"shortest headers", Repeated("[]\n", kSize)},
    };
    for (const Case& c : cases) {
        const std::size_t peak = ParsePeak(c.bytes);
        std::printf("%s: %.2f times the file\n", c.what,
                    static_cast<double>(peak) / static_cast<double>(c.bytes.size()));
        EXPECT_LE(peak, 8 * c.bytes.size()) << c.what;
    }
}

}  // namespace
}  // namespace vorlak
