#include "session/session_file.h"

#include "core/error.h"

#include <gtest/gtest.h>

using namespace tolvar;

namespace {

// The records, each in brackets, or the error.
std::string recordsOf(const std::string& text)
{
    try {
        std::string shown;
        for (const std::string& record :
             ReadSessionRecords({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}))
            shown += "[" + record + "]";
        return shown;
    } catch (const Error& e) {
        return e.what();
    }
}

} // namespace

// Every line break ends a record, a final one makes no empty record, and
// bytes that are not UTF-8 (cut, overlong, surrogate, past U+10FFFF) are
// refused at the first one.
TEST(SessionRecords, LineBreaksEndRecordsAndOnlyUtf8Reads)
{
    const std::string bad = "The session file is not UTF-8 text: byte ";
    const std::pair<std::string, std::string> cases[] = {
        {"Crc=15,70,9\r\nSmz\rRun\nItr=1000", "[Crc=15,70,9][Smz][Run][Itr=1000]"},
        {"Crc=5,120,40\n", "[Crc=5,120,40]"},
        {"Run\r\n\r\n\n\rSmz\r", "[Run][][][][Smz]"},
        {"\r\n", "[]"},
        {"\xEF\xBB\xBFSiz=1280\n", "[Siz=1280]"},
        {"Typ=\xC3\xBC\xE2\x82\xAC\xF0\x9F\x8C\x8B\n", "[Typ=\xC3\xBC\xE2\x82\xAC\xF0\x9F\x8C\x8B]"},
        {"Run\n\xFF", bad + "5 starts no character"},
        {"Smz\xC3", bad + "4 starts no character"},
        {"ab\xC0\xAF", bad + "3 starts no character"},
        {"\xED\xA0\x80", bad + "1 starts no character"},
        {"\xF4\x90\x80\x80", bad + "1 starts no character"},
        {"x\xE2\x82(", bad + "2 starts no character"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(recordsOf(text), expected) << text;
    EXPECT_EQ(WriteSessionRecords({"Crc=15,70,9", "", "Run"}), "Crc=15,70,9\n\nRun\n");
}
