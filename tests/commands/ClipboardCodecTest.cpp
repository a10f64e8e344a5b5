#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/ClipboardCodec.h"
#include "records/ClipRecords.h"

namespace {

using V = std::vector<std::string>;
const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// The records of a decode, then "|" and 1 when they end with a line break.
V Decode(const std::string& bytes, bool block, ClipLineBreaks breaks = ClipLineBreaks::CrLf)
{
    RecordChain chain;
    const ClipDecode result = block ? DecodeClipBlock(U(bytes), bytes.size(), chain)
                                    : DecodeClipText(U(bytes), bytes.size(), breaks, chain);
    if (result != ClipDecode::Records) return {"unusable"};
    CClipRecords holder;  // frees the chain
    holder.TakeChain(chain);
    V out;
    for (RecordNode* n = chain.head; n; n = n->next) out.emplace_back(reinterpret_cast<const char*>(n->data), n->length);
    out.push_back(chain.endsWithBreak ? "|1" : "|0");
    return out;
}

// Both forms of the given records.
std::pair<std::string, std::string> Encode(const V& records, bool endsWithBreak)
{
    CClipRecords holder;
    for (const std::string& r : records) EXPECT_TRUE(holder.AppendRecord(U(r), static_cast<int>(r.size())));
    ClipBytes block, text;
    EXPECT_TRUE(EncodeClipBlock(holder.head, endsWithBreak, block));
    EXPECT_TRUE(EncodeClipText(holder.head, endsWithBreak, text));
    auto str = [](const ClipBytes& b) { return std::string(reinterpret_cast<const char*>(b.data.get()), b.size); };
    return {str(block), str(text)};
}

TEST(ClipboardCodec, BothFormsInTheirLayout)
{
    // Three bytes of one record (columns 2 to 5 of "abcdefg").
    EXPECT_EQ(std::make_pair(std::string("\x0a\0\0\0\0\x03\0cde", 10), std::string("cde\0", 4)),
              Encode({"cde"}, false));
    // Records 2 and 3 with their line breaks.
    EXPECT_EQ(std::make_pair(std::string("\x13\0\0\0\x01\x08\0record 2\x02\0r3", 19),
                             std::string("record 2\r\nr3\r\n\0", 15)),
              Encode({"record 2", "r3"}, true));
    // A zero byte is kept by the block and ends the text for every reader.
    const std::string zero("a\0b", 3);
    const auto forms = Encode({zero, "c\r\nd"}, false);
    EXPECT_EQ((V{zero, "c\r\nd", "|0"}), Decode(forms.first, true));
    EXPECT_EQ((V{"a", "|0"}), Decode(forms.second, false));
}

TEST(ClipboardCodec, TextBreaksIntoRecords)
{
    EXPECT_EQ((V{"a", "b", "|0"}), Decode("a\r\nb", false));
    EXPECT_EQ((V{"a", "b", "|1"}), Decode("a\r\nb\r\n", false));
    EXPECT_EQ((V{"x\ny", "|0"}), Decode("x\ny", false));  // a lone LF is data in the form as written...
    EXPECT_EQ((V{"a", "b", "|1"}), Decode("a\nb\n", false, ClipLineBreaks::CrLfOrLf));  // ...not from others
    EXPECT_EQ((V{"x\ry", "", "|1"}), Decode("x\ry\n\r\n", false, ClipLineBreaks::CrLfOrLf));
    EXPECT_EQ((V{"|0"}), Decode(std::string("\0ab", 3), false));
    // Lines beyond a record's size are divided into records of 65535 bytes.
    const V longLine = Decode(std::string(65535 * 2 + 10, 'q') + "\r\n" + std::string(65535, 'z'), false);
    ASSERT_EQ(5u, longLine.size());
    EXPECT_EQ(65535u, longLine[1].size());
    EXPECT_EQ(10u, longLine[2].size());
    EXPECT_EQ(65535u, longLine[3].size());
}

TEST(ClipboardCodec, PasteEndsRecordsWhereThisSystemsProgramsEndLines)
{
    CClipRecords holder;
    const std::string text = "x\ny\r\nz";
    ASSERT_TRUE(LoadClipForm(holder, ClipForm::Text, U(text), text.size()));
    V records;
    for (RecordNode* n = holder.head; n; n = n->next) records.emplace_back(reinterpret_cast<const char*>(n->data), n->length);
#ifdef _WIN32
    EXPECT_EQ((V{"x\ny", "z"}), records);  // only CR LF ends a line
#else
    EXPECT_EQ((V{"x", "y", "z"}), records);  // a bare LF does too
#endif
}

TEST(ClipboardCodec, DamagedBlocksGiveWhatTheirBytesHold)
{
    EXPECT_EQ((V{"unusable"}), Decode(std::string("\x05\0\0\0", 4), true));  // no header
    EXPECT_EQ((V{"|1"}), Decode(std::string("\x02\0\0\0\x01\x02\0ab", 9), true));  // size below the header
    // A size field smaller than the data: reading stops where it says.
    EXPECT_EQ((V{"abc", "|1"}), Decode(std::string("\x0a\0\0\0\x01\x03\0abc\x02\0zz", 14), true));
    // A size field and a record length past the data's end, and a block that
    // ends inside a length: the bytes that are there, without the flag.
    EXPECT_EQ((V{"a", "bc", "|0"}), Decode(std::string("\xff\xff\xff\xff\x01\x01\0a\xff\xff" "bc", 12), true));
    EXPECT_EQ((V{"a", "|0"}), Decode(std::string("\x09\0\0\0\x01\x01\0a\x01\0zz", 12), true));
}

}  // namespace
