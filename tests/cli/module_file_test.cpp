#include "cli/module_file.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <string>
#include <vector>
#include "cli/file_encoding.h"
#include "cli/module_header.h"
#include "codetools/indent.h"
#include "sim/editor/sim_code_module.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

// The `reserve` calls of parsing may go without a test noticing: they size buffers, and the
// lines kept are the same either way.

std::string RoundTrip(const std::string& bytes) {
  const ModuleFile file = ModuleFile::Parse(bytes);
  return file.Serialize(file.VisibleLines());
}

// A form whose designer block is long, nested and full of trailing blanks.
std::string LongForm() {
  std::string form = test_support::CrLfLines(
      {"VERSION 5.00",
       "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"",
       "Begin VB.Form \xB4\xB0\xCC\xE5   ", "   Caption         =   \"\xB4\xFA\xC2\xEB\"   ",
       "   Tag             =   \"End\""});
  for (int i = 0; i < 3000; ++i) {
    form += "   Begin VB.Label Label" + std::to_string(i) + "  \r\n";
    form += "      BeginProperty Font \r\n         Name = \"\xCB\xCE\xCC\xE5\"\t\r\n";
    form += "      EndProperty\r\n      Caption = \"\x80\xAA\xA1\"\r\n   \r\n   End   \r\n";
  }
  return form + test_support::CrLfLines({"End", "", "Attribute VB_Name = \"Form1\"",
                                         "Attribute VB_PredeclaredId = True",
                                         "Private Sub Form_Load()", "End Sub"});
}

const std::string kClass = test_support::CrLfLines(
    {"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
     "Attribute VB_Name = \"Class1\"", "Attribute VB_Exposed = False", "Option Explicit", "",
     "Public Property Get Item() As Long", "Attribute Item.VB_UserMemId = 0",
     "Attribute Item.VB_Description = \"\xCF\xEE\"", "Item = 1", "End Property", "", "Sub Foo()",
     "Attribute Foo.VB_Description = \"foo\"", "End Sub"});

TEST(ModuleFile, UnchangedFilesAreWrittenBackByteForByte) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"byte order mark only", "\xEF\xBB\xBF"},
      {"UTF-8", "Sub A()\n' \xE4\xBB\xA3\xE7\xA0\x81\nEnd Sub\n"},
      {"UTF-8 with mark",
       "\xEF\xBB\xBF"
       "Attribute VB_Name = \"M\"\r\n' \xE4\xBB\xA3\r\n"},
      // clang-format off
      {"UTF-8 with mark and a stray byte", "\xEF\xBB\xBFx = \"\x80\"\r\n"},
      {"code page 936, CR LF", "' \xB4\xFA\xC2\xEB\xCB\xF5\xBD\xF8\r\nSub A()\r\nEnd Sub\r\n"},
      {"LF", "Sub A()\nEnd Sub\n"}, {"no final newline", "Sub A()\r\nEnd Sub"},
      {"blank last line, no final newline", "Sub A()\r\n   "},
      {"Latin-1 beside GBK", "x = \"caf\xE9\" ' \xD6\xD0\xCE\xC4\r\ny = \"\xE9\xD6\xD0\"\r\n"},
      {"lead byte before the line break", "x = \"\xD6\"\r\n"}, {"class", kClass},
      {"long form", LongForm()},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(RoundTrip(c.bytes), c.bytes) << c.name;
}

// The designer block of a form is hidden however long it is, whatever blanks trail its lines
// and whatever its properties hold; a class's block is hidden as its member attributes show.
TEST(ModuleFile, AFormShowsOnlyItsCode) {
  EXPECT_EQ(ModuleFile::Parse(LongForm()).VisibleLines(),
            (std::vector<std::u16string>{u"Private Sub Form_Load()", u"End Sub"}));
}

using Origins = std::vector<std::optional<std::size_t>>;
// An edited line that came from no line before.
constexpr std::nullopt_t kNew = std::nullopt;

// A file's bytes, the lines the editor left and where each stems from, and the bytes written.
struct SerializeCase {
  const char* name;
  std::string bytes;
  std::vector<std::u16string> edited;
  Origins origins;
  std::string expected;
};

TEST(ModuleFile, NewLinesTakeTheUsualLineBreakAndTheFinalNewlineIsKept) {
  const SerializeCase cases[] = {
      // clang-format off
      {"append to a file without final newline", "a\r\nb", {u"a", u"b", u"c"}, {0, 1, kNew},
       "a\r\nb\r\nc"},
      {"delete the last line", "a\r\nb", {u"a"}, {0}, "a"},
      {"append to LF file", "a\nb\n", {u"a", u"b", u"c"}, {0, 1, kNew}, "a\nb\nc\n"},
      {"mostly LF", "a\r\nb\nc\n", {u"a", u"x", u"b", u"c"}, {0, kNew, 1, 2}, "a\r\nx\nb\nc\n"},
      {"empty file", "", {u"a"}, {kNew}, "a\r\n"},
      {"delete everything", "a\r\nb\r\n", {}, {}, ""},
      {"header without final newline", "Attribute VB_Name = \"M\"", {u"x"}, {kNew},
       "Attribute VB_Name = \"M\"\r\nx"},
      {"ASCII file takes code page 936", "x\r\n", {u"' 代码"}, {0}, "' \xB4\xFA\xC2\xEB\r\n"},
      {"UTF-8 stays UTF-8", "' \xE4\xBB\xA3\n", {u"' 代", u"' 码"}, {0, kNew},
       "' \xE4\xBB\xA3\n' \xE7\xA0\x81\n"},
      {"mark is kept", "\xEF\xBB\xBFx\r\n", {u"y"}, {0}, "\xEF\xBB\xBFy\r\n"},
      // Equal lines keep their own breaks: each goes with the line it stems from.
      {"equal lines", "' c\n\n\r\n' c\n", {u"", u"", u"", u""}, {0, 1, 2, 3}, "\n\n\r\n\n"},
      {"the first of equal lines deleted", "x\r\nx\nx\r\n", {u"x", u"x"}, {1, 2}, "x\nx\r\n"},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ModuleFile::Parse(c.bytes).Serialize(c.edited, c.origins), c.expected) << c.name;
  }
}

// A lone CR, then nothing, then LF reads back as one CR LF; a break at the very end starts no
// line. Wherever an edit makes an empty line meet them, the empty line's break gives way, so
// that the file reads back as the lines edited.
TEST(ModuleFile, NoLineIsJoinedOrLostWhereBreaksMeet) {
  const SerializeCase cases[] = {
      // clang-format off
      {"emptied after a lone CR", "x = 1\r   \ny = 2\n", {u"x = 1", u"", u"y = 2"}, {0, 1, 2},
       "x = 1\r\r\ny = 2\n"},
      {"comment emptied after a lone CR", "Sub A()\r' c\nEnd Sub\n", {u"Sub A()", u"", u"End Sub"},
       {0, 1, 2}, "Sub A()\r\r\nEnd Sub\n"},
      {"moved under a lone CR by a deletion", "a\rx\n\nb\n", {u"a", u"", u"b"}, {0, 2, 3},
       "a\r\r\nb\n"},
      {"inserted under a lone CR", "a\rb\nc\n", {u"a", u"", u"b", u"c"}, {0, kNew, 1, 2},
       "a\r\r\nb\nc\n"},
      {"last line emptied, no final newline", "a\n   ", {u"a", u""}, {0, 1}, "a\n\n"},
      {"last line emptied after a lone CR", "a\r\n\r   ", {u"a", u"", u""}, {0, 1, 2},
       "a\r\n\r\r\n"},
      {"the only line emptied", "   ", {u""}, {0}, "\r\n"},
      {"empty line appended", "a", {u"a", u""}, {0, kNew}, "a\r\n\r\n"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = ModuleFile::Parse(c.bytes).Serialize(c.edited, c.origins);
    EXPECT_EQ(bytes, c.expected);
    EXPECT_EQ(ModuleFile::Parse(bytes).VisibleLines(), c.edited);
  }
}

// Random modules edited at random, as the editor edits (lines replaced, inserted and deleted,
// order kept): the file written reads back as exactly the lines edited. Lines hold bytes no
// decoder accepts (0x81, a GBK lead byte; E4, a UTF-8 one), so an edit may put text after them
// that would join them; that, and only that, is refused. The first line, never edited, settles
// the encoding: a byte order mark, or GBK that is no UTF-8.
TEST(ModuleFile, EditedLinesReadBackAsEdited) {
  const std::string contents[] = {
      "", "  ", "x", "' c", "x\x81", "\x81", "\xE4", "\xE4\xBB\xA3", "Attribute A.VB_X = 1"};
  const std::string breaks[] = {"\r", "\n", "\r\n"};
  std::mt19937 random(21);
  const auto pick = [&](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  for (int sample = 0; sample < 3000; ++sample) {
    std::string bytes = pick(2) == 0 ? "\xEF\xBB\xBF' x\n" : "' \xD6\xD0\n";
    for (std::size_t k = 0, lines = pick(7); k < lines; ++k)
      bytes += contents[pick(std::size(contents))] + breaks[pick(std::size(breaks))];
    if (pick(2) == 0) bytes += contents[pick(std::size(contents))];
    const ModuleFile file = ModuleFile::Parse(bytes);
    std::vector<std::u16string> edited = file.VisibleLines();
    Origins origins(edited.size());
    for (std::size_t k = 0; k < origins.size(); ++k)
      origins[k] = k;
    for (std::size_t edits = pick(4); edits > 0; --edits) {
      const std::size_t at = 1 + pick(edited.size());
      // Two texts side by side, as an edit puts text beside what a line holds.
      const std::u16string text = Decode(contents[pick(std::size(contents) - 1)], file.Encoding()) +
                                  Decode(contents[pick(std::size(contents) - 1)], file.Encoding());
      if (at < edited.size() && pick(3) == 0) {
        edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(at));
        origins.erase(origins.begin() + static_cast<std::ptrdiff_t>(at));
      } else if (at < edited.size() && pick(2) == 0) {
        edited[at] = text;
      } else {
        edited.insert(edited.begin() + static_cast<std::ptrdiff_t>(at), text);
        origins.insert(origins.begin() + static_cast<std::ptrdiff_t>(at), kNew);
      }
    }
    SCOPED_TRACE(testing::PrintToString(bytes) + " edited to " + testing::PrintToString(edited));
    try {
      ASSERT_EQ(ModuleFile::Parse(file.Serialize(edited, origins)).VisibleLines(), edited);
    } catch (const FileError& error) {
      ASSERT_NE(std::string(error.what()).find("would join the text after it"), std::string::npos)
          << error.what();
    }
  }
}

// Re-indenting from the widths alone writes what the re-indented lines would, and measures it
// but for the break an emptied line may gain; it changes the file exactly when it says so.
TEST(ModuleFile, ReindentingFromWidthsWritesWhatTheIndentedLinesWould) {
  const std::string contents[] = {"",         "   ",     "x",  "  \tx",   "If x Then",
                                  "  End If", "Sub A()", " _", "  x\x81", "Attribute A.VB_X = 1"};
  const std::string breaks[] = {"\r", "\n", "\r\n"};
  std::mt19937 random(26);
  const auto pick = [&](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  for (int sample = 0; sample < 2000; ++sample) {
    std::string bytes = pick(2) == 0 ? "\xEF\xBB\xBF" : "";
    for (std::size_t k = 0, lines = pick(8); k < lines; ++k)
      bytes += contents[pick(std::size(contents))] + breaks[pick(std::size(breaks))];
    if (pick(2) == 0) bytes += contents[pick(std::size(contents))];
    SCOPED_TRACE(testing::PrintToString(bytes));
    const ModuleFile file = ModuleFile::Parse(bytes);
    const auto widths = codetools::IndentWidths(file.VisibleLines());
    const std::string written = file.SerializeReindented(widths);
    ASSERT_EQ(written, file.Serialize(codetools::IndentLines(file.VisibleLines())));
    const auto measured = file.MeasureReindented(widths);
    EXPECT_LE(measured.size, written.size());
    EXPECT_LE(written.size() - measured.size, 2 * file.VisibleLines().size());
    EXPECT_EQ(measured.changes, written != bytes);
  }
}

// A byte no decoder accepted stays a byte of its own: where an edit puts text after it that
// would complete a character, the line is refused, naming the byte.
TEST(ModuleFile, AByteNoDecoderTookNeverJoinsTheTextAfterIt) {
  struct Case {
    std::string bytes;
    std::u16string edited;  // the only line, edited in place
    std::string expected;   // or the error's part
  };
  const Case cases[] = {
      // clang-format off
      {"x = 1\x81\r\n", u"x = 1\xDC81Optional", "line 1: the stray byte 0x81 would join the text "
       "after it into another character in code page 936"},
      {"\xEF\xBB\xBF\xE4\xB8 \xAD\n", u"\xDCE4\xDCB8\xDCAD", "line 1: the stray byte 0xE4 would "
       "join the text after it into another character in UTF-8"},
      {"x = 1\x81\r\n", u"x = 1\xDC81 Optional", "x = 1\x81 Optional\r\n"},
      {"x\x81\r\n", u"' x\xDC81", "' x\x81\r\n"},
      {"\xFF\r\n", u"\xDCFF\x4E2D", "\xFF\xD6\xD0\r\n"},  // FF starts no pair
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const ModuleFile file = ModuleFile::Parse(c.bytes);
    try {
      EXPECT_EQ(file.Serialize({c.edited}), c.expected);
    } catch (const FileError& error) {
      EXPECT_EQ(error.what(), c.expected);
    }
  }
}

TEST(ModuleFile, MemberAttributesFollowTheirLine) {
  const ModuleFile file = ModuleFile::Parse(kClass);
  const std::string head = kClass.substr(0, kClass.find("Option Explicit"));
  const std::string item =
      "Attribute Item.VB_UserMemId = 0\r\nAttribute Item.VB_Description = \"\xCF\xEE\"\r\n";
  const std::string foo = "Attribute Foo.VB_Description = \"foo\"\r\n";
  struct Case {
    const char* name;
    std::vector<std::u16string> edited;
    Origins origins;
    std::string body;
  };
  const Case cases[] = {
      {"lines inserted above and the procedure re-indented",
       {u"Option Explicit", u"' 1", u"' 2", u"", u"Public Property Get Item() As Long",
        u"    Item = 1", u"End Property", u"", u"Sub Foo()", u"End Sub"},
       {0, kNew, kNew, 1, 2, 3, 4, 5, 6, 7},
       "Option Explicit\r\n' 1\r\n' 2\r\n\r\nPublic Property Get Item() As Long\r\n" + item +
           "    Item = 1\r\nEnd Property\r\n\r\nSub Foo()\r\n" + foo + "End Sub\r\n"},
      {"blank lines deleted, header line changed in place",
       {u"Option Explicit", u"Public Property Get Item() As Long", u"Item = 1", u"End Property",
        u"Public Sub Foo() ' 改", u"End Sub"},
       {0, 2, 3, 4, 6, 7},
       "Option Explicit\r\nPublic Property Get Item() As Long\r\n" + item +
           "Item = 1\r\nEnd Property\r\nPublic Sub Foo() ' \xB8\xC4\r\n" + foo + "End Sub\r\n"},
      {"procedure deleted: its attribute stays below the surviving line above",
       {u"Option Explicit", u"", u"Sub Foo()", u"End Sub"},
       {0, 1, 6, 7},
       "Option Explicit\r\n\r\n" + item + "Sub Foo()\r\n" + foo + "End Sub\r\n"},
      {"everything deleted: attributes stay after the header", {}, {}, item + foo},
  };
  for (const auto& c : cases)
    EXPECT_EQ(file.Serialize(c.edited, c.origins), head + c.body) << c.name;
  // Origins must name lines of the file, in order.
  for (const Origins& bad : {Origins{8}, Origins{1, 0}, Origins{1, 1}, Origins{}})
    EXPECT_THROW(file.Serialize({u"a", u"b"}, bad), std::invalid_argument);
}

// Re-indentation changes only the blanks in front of a line: the rest keeps its own bytes,
// even bytes no decoder accepts, and its own line break, told by the bytes right after its
// text. The lines are those the editor makes of the text (a lone CR ends a line, also before a
// CR LF; a final break starts no line), so that a tool's walk over the editor's lines cannot
// drift from the file's; and lines edited in place give the same file as lines given their
// origins.
TEST(ModuleFile, ReindentedLinesKeepTheirBytesAndBreaks) {
  struct Case {
    std::string bytes;
    std::string reindented;  // every line two blanks in
  };
  const Case cases[] = {
      // clang-format off
      {"a\r\r\nb\n", "  a\r  \r\n  b\n"}, {"a\nb\r", "  a\n  b\r"}, {"\r\n\n", "  \r\n  \n"},
      {"\r", "  \r"}, {"\xEF\xBB\xBFx", "\xEF\xBB\xBF  x"}, {"a\rb\r\nc\n", "  a\r  b\r\n  c\n"},
      {"a\n\rb\r", "  a\n  \r  b\r"}, {"\r\r\n\n", "  \r  \r\n  \n"}, {"x\ry\rz", "  x\r  y\r  z"},
      // clang-format on
      {"Attribute VB_Name = \"M\"\r\nSub A()\r\nAttribute A.VB_UserMemId = 0\r\n"
       "x = \"\x80\xD6\xD0\"\r\n\t  y = 1\r\nEnd Sub\r\n",
       "Attribute VB_Name = \"M\"\r\n  Sub A()\r\nAttribute A.VB_UserMemId = 0\r\n"
       "  x = \"\x80\xD6\xD0\"\r\n  y = 1\r\n  End Sub\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const ModuleFile file = ModuleFile::Parse(c.bytes);
    // The editor sees neither the byte order mark nor the hidden lines.
    if (file.Encoding() == FileEncoding::kCodePage936 && !c.bytes.starts_with("Attribute")) {
      auto editor_lines = host::SplitCodeLines(Decode(c.bytes, file.Encoding()));
      if (c.bytes.ends_with('\r') || c.bytes.ends_with('\n')) editor_lines.pop_back();
      EXPECT_EQ(file.VisibleLines(), editor_lines);
    }
    EXPECT_EQ(file.Serialize(file.VisibleLines()), c.bytes);
    std::vector<std::u16string> lines = file.VisibleLines();
    for (auto& line : lines)
      line = u"  " + line.substr(std::min(line.find_first_not_of(u" \t"), line.size()));
    Origins origins(lines.size());
    for (std::size_t k = 0; k < origins.size(); ++k)
      origins[k] = k;
    EXPECT_EQ(file.Serialize(lines), c.reindented);
    EXPECT_EQ(file.Serialize(lines, origins), c.reindented);
    lines.pop_back();
    EXPECT_THROW(file.Serialize(lines), std::invalid_argument);
  }
}

TEST(ModuleHeader, CoversWhatTheEditorHides) {
  struct Case {
    const char* name;
    std::vector<std::string_view> lines;
    std::size_t header;
  };
  const Case cases[] = {
      {"user form with blank lines before the attributes",
       {"VERSION 5.00", "Begin {C62A69F0-16DC-11CE-9E98-00AA00574A4F} UserForm1", "End", "",
        "Attribute VB_Name = \"UserForm1\"", "", "Sub A()"},
       5},
      {"blank line after the header is code", {"Attribute VB_Name = \"M\"", "", "Sub A()"}, 1},
      {"designer block left open",
       {"VERSION 5.00", "Begin VB.Form F", "  Begin VB.Label L", "End"},
       4},
      {"no version line, so Begin is code", {"Begin x", "End"}, 0},
      {"plain code", {"Option Explicit", "Attribute x"}, 0},
      {"empty file", {}, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CountHeaderLines(c.lines), c.header) << c.name;
}

// Every line of a module is asked, so most are turned away by their first byte: the keyword
// must open the line, in any case.
TEST(ModuleHeader, RecognisesMemberAttributes) {
  for (const char* line : {"Attribute Foo.VB_Description = \"说明\"",
                           "Attribute Item.VB_UserMemId = 0", "attribute Foo.vb_UserMemId = 0",
                           "ATTRIBUTE Foo.VB_Description = \"x\"", "Attribute A.VB_"})
    EXPECT_TRUE(IsMemberAttribute(line)) << line;
  for (const char* line :
       {"Attribute VB_Name = \"Module1\"", "Attribute = 1", "    Attribute Foo.VB_UserMemId = 0",
        "x = Attribute.VB_Foo", "", "A", "Attribute", "\tAttribute Foo.VB_UserMemId = 0",
        "Attributes Foo.VB_UserMemId = 0", "a = Foo.VB_UserMemId"})
    EXPECT_FALSE(IsMemberAttribute(line)) << line;
}

// Encoding looks at the unit after a high surrogate only below the text's size; looking one
// further reads the string's terminating null, which is no low surrogate either, so that
// bound cannot be told by any text.

TEST(FileEncoding, DetectsFromTheBytes) {
  struct Case {
    const char* bytes;
    FileEncoding encoding;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBFSub A()", FileEncoding::kUtf8WithBom},
      {"\xEF\xBB\xBF\xB4\xFA", FileEncoding::kUtf8WithBom},  // the mark wins over the content
      {"' \xED\xB2\x80", FileEncoding::kCodePage936},        // an encoded surrogate is no UTF-8
      {"caf\xC3\xA9", FileEncoding::kUtf8},
      {"\xF0\x90\x80\x80", FileEncoding::kUtf8},
      {"\xE0\x80\xAF", FileEncoding::kCodePage936},  // overlong: '/' in three bytes
      {"\xF0\x80\x80\xAF", FileEncoding::kCodePage936},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.bytes;
}

TEST(FileEncoding, Utf8KeepsIllFormedBytes) {
  const std::string samples[] = {
      "a\x80z",           "\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
      "\xF0\x8F\xBF\xBF", "\xE4\xBD", "\xED\xB2\x80", "\xF0\x9F\x98\x80 \xE4\xBB\xA3"};
  for (const auto& bytes : samples) {
    const text::Encoded encoded = Encode(Decode(bytes, FileEncoding::kUtf8), FileEncoding::kUtf8);
    EXPECT_EQ(encoded.bytes, bytes);
    EXPECT_FALSE(encoded.unencodable_at);
  }
  EXPECT_EQ(Decode("a\x80", FileEncoding::kUtf8WithBom), u"a\xDC80");
  EXPECT_EQ(Decode("\xF0\x90\x80\x80\xEF\xBF\xBF", FileEncoding::kUtf8), u"\U00010000\uFFFF");
  EXPECT_EQ(Encode(u"ab\xD800", FileEncoding::kUtf8).unencodable_at, 2u);
}

// Every byte from 0x80 on as a lead, followed by bytes at the edges of the continuation range
// and by a byte outside it: the bytes survive decoding, and a file is taken for UTF-8 only
// when all of it decodes as UTF-8.
TEST(FileEncoding, NoByteIsReadAsPartOfASequenceItCannotStart) {
  const char followers[] = {'\x80', '\x8F', '\x90', '\x9F', '\xA0', '\xBF', 'A'};
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (const char second : followers) {
      for (const char third : followers) {
        for (const char fourth : followers) {
          const std::string bytes{static_cast<char>(lead), second, third, fourth};
          SCOPED_TRACE(testing::PrintToString(bytes));
          const std::u16string text = Decode(bytes, FileEncoding::kUtf8);
          ASSERT_EQ(Encode(text, FileEncoding::kUtf8).bytes, bytes);
          if (DetectEncoding(bytes) == FileEncoding::kUtf8) {
            ASSERT_TRUE(std::none_of(text.begin(), text.end(), text::IsByteEscape));
          }
        }
      }
    }
  }
}

// ASCII is passed over several bytes at a time: the first byte that is not ASCII decides the
// encoding and is decoded wherever it falls in such a run.
TEST(FileEncoding, TheFirstByteBeyondAsciiCountsWhereverItFalls) {
  for (std::size_t before = 0; before <= 18; ++before) {
    const std::string ascii(before, 'x');
    const std::u16string text(before, u'x');
    EXPECT_EQ(DetectEncoding(ascii), FileEncoding::kCodePage936) << before;
    EXPECT_EQ(DetectEncoding(ascii + "\xE4\xBB\xA3" + ascii), FileEncoding::kUtf8) << before;
    EXPECT_EQ(DetectEncoding(ascii + "\xD6\xD0" + ascii), FileEncoding::kCodePage936) << before;
    // Valid UTF-8 first, then a byte no UTF-8 text holds.
    EXPECT_EQ(DetectEncoding("\xE4\xBB\xA3" + ascii + "\x80"), FileEncoding::kCodePage936)
        << before;
    EXPECT_EQ(Decode(ascii + "\xE4\xBB\xA3" + ascii, FileEncoding::kUtf8), text + u"代" + text);
    EXPECT_EQ(Decode(ascii + "\x80" + ascii, FileEncoding::kUtf8), text + u"\xDC80" + text);
  }
}

}  // namespace
}  // namespace tessaly::cli
