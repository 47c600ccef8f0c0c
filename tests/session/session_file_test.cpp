#include "session/session_file.h"

#include "import_fixture.h"

using namespace tolvar;
using namespace tolvar::testing;

namespace {

std::vector<std::string> records(const std::string& text)
{
    return ReadSessionRecords({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::string errorOf(const std::string& text)
{
    try {
        records(text);
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

using SessionFile = ImportTest;

} // namespace

// Every line break ends a record; a final one makes no empty record.
TEST(SessionRecords, LineBreaksOfEveryKindEndRecords)
{
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"Crc=15,70,9\r\nSmz\rRun\nItr=1000", {"Crc=15,70,9", "Smz", "Run", "Itr=1000"}},
        {"Crc=5,120,40\n", {"Crc=5,120,40"}},
        {"Run\r\n\r\n\n\rSmz\r", {"Run", "", "", "", "Smz"}},
        {"\r\n", {""}},
        {"\n\r", {"", ""}},
        {"", {}},
        {"\xEF\xBB\xBFSiz=1280\n", {"Siz=1280"}},
        {"Typ=Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\xF0\x9F\x8C\x8B\n", {"Typ=Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\xF0\x9F\x8C\x8B"}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(records(text), expected) << text;
}

TEST(SessionRecords, BytesThatAreNotUtf8AreRefused)
{
    const std::pair<std::string, int> cases[] = {
        {"Run\n\xFF", 5},         {"Smz\xC3", 4},           {"\xC3(", 1}, {"ab\xC0\xAF", 3},
        {"\xED\xA0\x80", 1},      {"\xF4\x90\x80\x80", 1},  {"x\xE2\x82", 2}, {"\x80", 1},
    };
    for (const auto& [text, at] : cases)
        EXPECT_EQ(errorOf(text), "The session file is not UTF-8 text: byte " + std::to_string(at) + " starts no character")
            << text;
}

// What Save writes, Open reads back as the same records, an empty one and
// non-ASCII text included; Open asks first when the history holds lines.
TEST_F(SessionFile, SaveThenOpenGivesTheSameRecords)
{
    const std::vector<std::string> lines{"Crc=15,70,9", "", "Typ=\xC3\xA9t\xC3\xA9", "Run"};
    ui.history = lines;
    const std::string path = (dir / "session.txt").string();
    ASSERT_EQ(run(SaveSessionFile, path), "");
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Crc=15,70,9\n\nTyp=\xC3\xA9t\xC3\xA9\nRun\n");

    ui.history = {"Smz"};
    prompter.queueConfirm(false);
    EXPECT_EQ(run(OpenSessionFile, path), "");
    EXPECT_EQ(ui.history, std::vector<std::string>{"Smz"}) << "cancelled";
    prompter.queueConfirm(true);
    EXPECT_EQ(run(OpenSessionFile, path), "");
    EXPECT_EQ(ui.history, lines);
    ui.history.clear();
    prompter = ScriptedPrompter();
    EXPECT_EQ(run(OpenSessionFile, file("bad", "Run\n\xFF")), "The session file is not UTF-8 text: byte 5 starts no character");
    EXPECT_TRUE(ui.history.empty());
    EXPECT_EQ(prompter.asked(), std::vector<std::string>{"dlgOpenSession: open |, default "}) << "no question";
}
