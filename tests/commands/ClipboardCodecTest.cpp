#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/ClipboardCodec.h"
#include "records/RecordStorage.h"

namespace {

std::string Str(const ClipBytes& b) { return std::string(reinterpret_cast<const char*>(b.data.get()), b.size); }
const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// A detached chain of the given records, freed with the object.
struct Chain {
    explicit Chain(const std::vector<std::string>& records)
    {
        for (const std::string& r : records) {
            RecordNode* node = AllocateRecord(U(r), static_cast<int>(r.size()));
            node->prev = tail;
            (tail ? tail->next : head) = node;
            tail = node;
        }
    }
    ~Chain() { FreeChain(head); }
    RecordNode* head = nullptr;
    RecordNode* tail = nullptr;
};

// What a decode gave: the records, then "|" and the flag.
struct Decoded {
    ClipDecode result;
    std::vector<std::string> records;
    bool endsWithBreak = false;
};

Decoded Collect(ClipDecode result, RecordChain& chain)
{
    Decoded d{result, {}, chain.endsWithBreak};
    std::int32_t bytes = 0;
    for (RecordNode* n = chain.head; n; n = n->next) {
        d.records.emplace_back(reinterpret_cast<const char*>(n->data), n->length);
        bytes += n->length;
    }
    EXPECT_EQ(static_cast<std::int32_t>(d.records.size()), chain.recordCount);
    EXPECT_EQ(bytes, chain.totalBytes);
    FreeChain(chain.head);
    return d;
}

Decoded Block(const std::string& bytes)
{
    RecordChain chain;
    const ClipDecode result = DecodeClipBlock(U(bytes), bytes.size(), chain);
    return Collect(result, chain);
}

Decoded Text(const std::string& bytes, ClipLineBreaks breaks = ClipLineBreaks::CrLf)
{
    RecordChain chain;
    const ClipDecode result = DecodeClipText(U(bytes), bytes.size(), breaks, chain);
    return Collect(result, chain);
}

using V = std::vector<std::string>;

TEST(ClipboardCodec, EncodesBothFormsInTheirLayout)
{
    {
        Chain one({"cde"});  // columns 2 to 5 of "abcdefg"
        ClipBytes block, text;
        ASSERT_TRUE(EncodeClipBlock(one.head, false, block));
        EXPECT_EQ(std::string("\x0a\0\0\0\0\x03\0cde", 10), Str(block));
        ASSERT_TRUE(EncodeClipText(one.head, false, text));
        EXPECT_EQ(std::string("cde\0", 4), Str(text));
    }
    {
        Chain two({"record 2", "r3"});  // records 2 and 3, with their line breaks
        ClipBytes block, text;
        ASSERT_TRUE(EncodeClipBlock(two.head, true, block));
        EXPECT_EQ(std::string("\x13\0\0\0\x01\x08\0record 2\x02\0r3", 19), Str(block));
        ASSERT_TRUE(EncodeClipText(two.head, true, text));
        EXPECT_EQ(std::string("record 2\r\nr3\r\n\0", 15), Str(text));
        EXPECT_EQ(15u, text.size);  // totalBytes + 2 x recordCount + 2
    }
    {
        ClipBytes block, text;
        ASSERT_TRUE(EncodeClipBlock(nullptr, false, block));
        EXPECT_EQ(std::string("\x05\0\0\0\0", 5), Str(block));
        ASSERT_TRUE(EncodeClipText(nullptr, false, text));
        EXPECT_EQ(std::string("\0", 1), Str(text));
    }
}

TEST(ClipboardCodec, AZeroByteSurvivesTheBlockButEndsTheText)
{
    const std::string withZero("a\0b", 3);
    Chain chain({withZero, "c\r\nd"});
    ClipBytes block, text;
    ASSERT_TRUE(EncodeClipBlock(chain.head, false, block));
    ASSERT_TRUE(EncodeClipText(chain.head, false, text));
    const Decoded fromBlock = Block(Str(block));
    EXPECT_EQ(ClipDecode::Records, fromBlock.result);
    EXPECT_EQ((V{withZero, "c\r\nd"}), fromBlock.records);
    EXPECT_FALSE(fromBlock.endsWithBreak);
    // The text stops at the zero byte for every reader.
    EXPECT_EQ((V{"a"}), Text(Str(text)).records);
}

TEST(ClipboardCodec, TextBreaksIntoRecordsAtCrLf)
{
    Decoded d = Text("a\r\nb");
    EXPECT_EQ((V{"a", "b"}), d.records);
    EXPECT_FALSE(d.endsWithBreak);
    d = Text("a\r\nb\r\n");
    EXPECT_EQ((V{"a", "b"}), d.records);
    EXPECT_TRUE(d.endsWithBreak);
    // A lone LF or CR is data in the text form as written...
    EXPECT_EQ((V{"x\ny"}), Text("x\ny").records);
    EXPECT_EQ((V{"x\ry", ""}), Text("x\ry\r\n\r\n").records);
    // ...but ends a record in text from this system's programs.
    d = Text("a\nb\n", ClipLineBreaks::CrLfOrLf);
    EXPECT_EQ((V{"a", "b"}), d.records);
    EXPECT_TRUE(d.endsWithBreak);
    EXPECT_EQ((V{"x", "y\r\rz"}), Text("x\r\ny\r\rz", ClipLineBreaks::CrLfOrLf).records);
    EXPECT_EQ((V{"a", "", "b"}), Text("a\n\r\nb", ClipLineBreaks::CrLfOrLf).records);
    // Nothing, or nothing before a zero byte, makes no record.
    EXPECT_TRUE(Text("").records.empty());
    EXPECT_TRUE(Text(std::string("\0abc", 4)).records.empty());
    EXPECT_EQ((V{""}), Text("\r\n").records);
}

TEST(ClipboardCodec, LongTextLinesAreDividedAtTheRecordLimit)
{
    const std::string line(65535 * 2 + 10, 'q');
    Decoded d = Text(line + "\r\nend");
    ASSERT_EQ(4u, d.records.size());
    EXPECT_EQ(65535u, d.records[0].size());
    EXPECT_EQ(65535u, d.records[1].size());
    EXPECT_EQ(10u, d.records[2].size());
    EXPECT_EQ("end", d.records[3]);
    // A line of exactly the limit is one record, and no empty one follows.
    d = Text(std::string(65535, 'z') + "\n", ClipLineBreaks::CrLfOrLf);
    ASSERT_EQ(1u, d.records.size());
    EXPECT_TRUE(d.endsWithBreak);
}

TEST(ClipboardCodec, DamagedBlocksGiveWhatTheirBytesHold)
{
    // Too short for its header: not a block at all.
    EXPECT_EQ(ClipDecode::Unusable, Block(std::string("\x05\0\0\0", 4)).result);
    // A size field below the header: no records.
    Decoded d = Block(std::string("\x02\0\0\0\x01\x02\0ab", 9));
    EXPECT_EQ(ClipDecode::Records, d.result);
    EXPECT_TRUE(d.records.empty());
    // A size field smaller than the data: reading stops where it says.
    d = Block(std::string("\x0a\0\0\0\x01\x03\0abc\x02\0zz", 14));
    EXPECT_EQ((V{"abc"}), d.records);
    EXPECT_TRUE(d.endsWithBreak);
    // A size field far past the data, and a record length past the end: the
    // bytes that are there, with the flag cleared (the last record is cut).
    d = Block(std::string("\xff\xff\xff\xff\x01\x01\0a\xff\xff" "bc", 12));
    EXPECT_EQ((V{"a", "bc"}), d.records);
    EXPECT_FALSE(d.endsWithBreak);
    // The block ends in the middle of a record length.
    d = Block(std::string("\x09\0\0\0\x01\x01\0a\x01\0zz", 12));
    EXPECT_EQ((V{"a"}), d.records);
    EXPECT_FALSE(d.endsWithBreak);
    // Many empty records are what they claim to be.
    std::string empties("\0\0\0\0\0", 5);
    for (int i = 0; i < 1000; ++i) empties += std::string("\0\0", 2);
    empties[0] = static_cast<char>(2005 & 0xff);
    empties[1] = static_cast<char>(2005 >> 8);
    EXPECT_EQ(1000u, Block(empties).records.size());
}

}  // namespace
