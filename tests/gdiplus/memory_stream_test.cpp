#include <gtest/gtest.h>

#include "gdiplus/memory_stream.h"

namespace gdiplus {
namespace {

ByteBlock ReadAll(IStream* stream) {
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ByteBlock bytes(64);
    ULONG got = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &got);
    bytes.resize(got);
    return bytes;
}

TEST(MemoryStream, EmptyBlockGivesValidStreamAndNoBytes) {
    MemoryStream memory;
    IStream* stream = memory.Create(ByteBlock());
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(memory.GetStream(), stream);
    EXPECT_NE(memory.GetHGlobal(), nullptr);
    EXPECT_EQ(memory.GetSize(), 0u);
    EXPECT_TRUE(memory.GetBytes().empty());
    // The block grows as a writer appends.
    ULONG written = 0;
    ASSERT_EQ(stream->Write("abc", 3, &written), S_OK);
    EXPECT_EQ(memory.GetBytes(), (ByteBlock{'a', 'b', 'c'}));
}

TEST(MemoryStream, SizeDecidesBlockAndDataIsNeverOverread) {
    struct Case {
        ByteBlock data;
        std::optional<std::size_t> size;
        ByteBlock bytes;
    };
    for (const Case& c : {Case{{1, 2, 3}, std::nullopt, {1, 2, 3}}, Case{{1, 2, 3}, 5, {1, 2, 3, 0, 0}},
                          Case{{1, 2, 3}, 2, {1, 2}}, Case{{}, 3, {0, 0, 0}}}) {
        MemoryStream memory;
        ASSERT_NE(memory.Create(c.data, c.size), nullptr);
        EXPECT_EQ(memory.GetSize(), c.bytes.size());
        EXPECT_EQ(memory.GetBytes(), c.bytes);
        EXPECT_EQ(ReadAll(memory.GetStream()), c.bytes);
    }
}

TEST(MemoryStream, CreateOverExistingStreamReplacesIt) {
    MemoryStream memory;
    memory.Create({9, 9, 9, 9});
    memory.Create({7});
    EXPECT_EQ(memory.GetBytes(), ByteBlock{7});
    memory.Release();
    EXPECT_EQ(memory.GetStream(), nullptr);
    EXPECT_EQ(memory.GetHGlobal(), nullptr);
    EXPECT_TRUE(memory.GetBytes().empty());
    memory.Release();  // nothing held: nothing happens
}

TEST(MemoryStream, AttachTakesOverAStreamAndItsBlock) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 2);
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    bytes[0] = 5;
    bytes[1] = 6;
    GlobalUnlock(block);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);

    MemoryStream memory;
    EXPECT_TRUE(memory.Attach(stream));
    EXPECT_EQ(memory.GetHGlobal(), block);
    EXPECT_EQ(memory.GetStream(), stream);
    EXPECT_EQ(memory.GetBytes(), (ByteBlock{5, 6}));
    EXPECT_FALSE(memory.Attach(nullptr));
    EXPECT_EQ(memory.GetStream(), nullptr);
}

}  // namespace
}  // namespace gdiplus
