#include "cli/module_file.h"

#include <algorithm>
#include <random>
#include "cli/file_encoding.h"
#include "cli/module_header.h"
#include "codetools/indent.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

// The `reserve` calls of parsing (and of annotate's ranges) may go without a test noticing: they
// size buffers, and the lines kept are the same either way. A line of 4 GiB less one byte, which
// tells the line length's `>` from `>=`, would take gigabytes to build, so that edge goes
// untested.

using namespace test_support;
using Lines = std::vector<std::u16string>;
using Origins = std::vector<std::optional<std::size_t>>;
// An edited line that came from no line before.
constexpr std::nullopt_t kNew = std::nullopt;

// A form whose designer block is long, nested, full of trailing blanks and of bytes no decoder
// takes, with "End" in a value.
std::string LongForm() {
  std::string form =
      "VERSION 5.00\r\nObject = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"\r\n"
      "Begin VB.Form \xB4\xB0\xCC\xE5   \r\n   Tag  =   \"End\"\r\n";
  for (int i = 0; i < 3000; ++i) {
    form += "   Begin VB.Label L" + std::to_string(i) + "  \r\n      BeginProperty Font \r\n" +
            "      EndProperty\r\n      Caption = \"\x80\xAA\xA1\"\t\r\n   \r\n   End   \r\n";
  }
  return form +
         "End\r\n\r\nAttribute VB_Name = \"Form1\"\r\nPrivate Sub Form_Load()\r\nEnd Sub\r\n";
}

const std::string kClass =
    CrLfLines({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
               "Attribute VB_Name = \"Class1\"", "Attribute VB_Exposed = False", "Option Explicit",
               "", "Public Property Get Item() As Long", "Attribute Item.VB_UserMemId = 0",
               "Attribute Item.VB_Description = \"\xCF\xEE\"", "Item = 1", "End Property", "",
               "Sub Foo()", "Attribute Foo.VB_Description = \"foo\"", "End Sub"});

// A form's designer block is hidden however long it is and whatever its lines hold; a file
// written back unchanged is the file, byte for byte (random files: below).
TEST(ModuleFile, UnchangedFilesAreWrittenBackByteForByte) {
  // clang-format off
  const std::string cases[] = {
      "", "\xEF\xBB\xBF", "\xEF\xBB\xBF" "Attribute VB_Name = \"M\"\r\n' \xE4\xBB\xA3\r\n",
      "x = \"caf\xE9\" ' \xD6\xD0\xCE\xC4\r\ny = \"\xE9\xD6\xD0\"\r\n", kClass, LongForm()};
  // clang-format on
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const ModuleFile file = ModuleFile::Parse(cases[k]);
    EXPECT_EQ(file.Serialize(file.VisibleLines()), cases[k]) << k;
  }
  EXPECT_EQ(ModuleFile::Parse(LongForm()).VisibleLines(),
            (Lines{u"Private Sub Form_Load()", u"End Sub"}));
}

// New lines take the usual break, the final newline (or its lack) is kept, and no line is
// joined or lost where breaks meet: a lone CR, nothing, then LF would read back as one CR LF,
// and a break at the very end starts no line, so an empty line's break gives way there. Every
// file written reads back as the lines edited.
TEST(ModuleFile, EditedLinesReadBackAsEditedWithTheirOwnBreaks) {
  const struct {
    std::string bytes;
    Lines edited;
    Origins origins;
    std::string expected;
  } cases[] = {
      // clang-format off
      {"a\r\nb", {u"a", u"b", u"c"}, {0, 1, kNew}, "a\r\nb\r\nc"},
      {"a\r\nb\nc\n", {u"a", u"x", u"b", u"c"}, {0, kNew, 1, 2}, "a\r\nx\nb\nc\n"},
      {"a\rb\rc\n", {u"a", u"x", u"b", u"c"}, {0, kNew, 1, 2}, "a\rx\rb\rc\n"},
      {"", {u"a"}, {kNew}, "a\r\n"},
      {"a\r\nb\r\n", {}, {}, ""},
      {"Attribute VB_Name = \"M\"", {u"x"}, {kNew}, "Attribute VB_Name = \"M\"\r\nx"},
      {"x\r\n", {u"' 代码"}, {0}, "' \xB4\xFA\xC2\xEB\r\n"},  // ASCII takes code page 936
      // Equal lines keep their own breaks: each goes with the line it stems from.
      {"' c\n\n\r\n' c\n", {u"", u"", u"", u""}, {0, 1, 2, 3}, "\n\n\r\n\n"},
      {"x\r\nx\nx\r\n", {u"x", u"x"}, {1, 2}, "x\nx\r\n"},
      {"x = 1\r   \ny = 2\n", {u"x = 1", u"", u"y = 2"}, {0, 1, 2}, "x = 1\r\r\ny = 2\n"},
      {"a\rx\n\nb\n", {u"a", u"", u"b"}, {0, 2, 3}, "a\r\r\nb\n"},
      {"a\rb\nc\n", {u"a", u"", u"b", u"c"}, {0, kNew, 1, 2}, "a\r\r\nb\nc\n"},
      {"a\n   ", {u"a", u""}, {0, 1}, "a\n\n"},
      {"a\r\n\r   ", {u"a", u"", u""}, {0, 1, 2}, "a\r\n\r\r\n"},
      {"   ", {u""}, {0}, "\r\n"},
      {"a", {u"a", u""}, {0, kNew}, "a\r\n\r\n"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const std::string bytes = ModuleFile::Parse(c.bytes).Serialize(c.edited, c.origins);
    EXPECT_EQ(bytes, c.expected);
    EXPECT_EQ(ModuleFile::Parse(bytes).VisibleLines(), c.edited);
  }
}

// Random modules, whose first line settles the encoding (a byte order mark, or GBK that is no
// UTF-8), re-indented, and edited at random as the editor edits (lines replaced, inserted and
// deleted, order kept). Re-indenting from the layouts alone, in several styles, writes what the
// re-indented lines would, and measures it but for the break an emptied line may gain. Either file
// reads back as exactly the lines edited. Lines hold bytes no decoder accepts (0x81, a GBK lead
// byte; E4, a UTF-8 one), so an edit may put text after them that would join them; that, and only
// that, is refused. A file read for its layout alone lays out as its text does, though GBK
// characters end in bytes that read as `\`, `T`, `|`, `@` or `~` alone (a label, a `Then`, a
// name).
TEST(ModuleFile, RandomModulesReadBackAsReindentedOrEdited) {
  const std::string contents[] = {"",
                                  "  ",
                                  "x",
                                  "  \tx",
                                  "' c",
                                  "If x Then",
                                  " _",
                                  "  End If",
                                  "x\x81",
                                  "\x81",
                                  "\xE4",
                                  "\xE4\xBB\xA3",
                                  "\tx \t",
                                  "x\x81 ",
                                  "' tessaly: off",
                                  "\x81\x5C:",
                                  "\x81\x40:",
                                  "\x81\x7E:",
                                  "If a Then \x80",
                                  "x\x80\xD6\xD0 _",
                                  "If a = \x81\x5CThen",
                                  "If a Then x = \x81\x54hen",
                                  "For \x81\x7C = 1 To 2: Next",
                                  "Attribute A.VB_X = 1"};
  const std::string breaks[] = {"\r", "\n", "\r\n"};
  // The default layout, and styles that write tabs and take blanks off line ends.
  codetools::IndentStyle tabs;
  tabs.indentation = codetools::IndentStyle::Indentation::kTabs;
  tabs.trim_trailing_whitespace = true;
  codetools::IndentStyle trimming;
  trimming.indent_size = 2;
  trimming.trim_trailing_whitespace = true;
  trimming.continuation = codetools::IndentStyle::Continuation::kKeep;
  codetools::IndentStyle labels;
  labels.labels_at_column_1 = true;
  const codetools::IndentStyle styles[] = {{}, tabs, trimming, labels};
  std::mt19937 random(21);
  const auto pick = [&](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  for (int sample = 0; sample < 4000; ++sample) {
    std::string bytes = pick(2) == 0 ? "\xEF\xBB\xBF' x\n" : "' \xD6\xD0\n";
    for (std::size_t k = 0, lines = pick(8); k < lines; ++k)
      bytes += contents[pick(std::size(contents))] + breaks[pick(3)];
    if (pick(2) == 0) bytes += contents[pick(std::size(contents))];
    SCOPED_TRACE(testing::PrintToString(bytes));
    const ModuleFile file = ModuleFile::Parse(bytes);
    ASSERT_EQ(file.Serialize(file.VisibleLines()), bytes);
    const codetools::IndentStyle& style = styles[pick(std::size(styles))];
    const auto layouts = codetools::IndentLayouts(file.VisibleLines(), style);
    Lines indented;
    for (std::size_t k = 0; k < layouts.size(); ++k)
      indented.push_back(codetools::LaidOut(file.VisibleLines()[k], layouts[k]));
    const std::string written = file.SerializeReindented(layouts);
    ASSERT_EQ(written, file.Serialize(indented));
    ASSERT_EQ(ModuleFile::Parse(written).VisibleLines(), indented);
    const auto measured = file.MeasureReindented(layouts);
    EXPECT_LE(measured.size, written.size());
    EXPECT_LE(written.size() - measured.size, 2 * indented.size());
    EXPECT_EQ(measured.changes, written != bytes);
    const auto for_layout =
        ModuleFile::Parse(bytes, FileEncoding::kCodePage936, {ModuleFile::Reading::kLayout, style});
    ASSERT_EQ(for_layout.SerializeReindented(), written);
    EXPECT_EQ(for_layout.Reindented().size, measured.size);
    const auto for_measure = ModuleFile::Parse(bytes, FileEncoding::kCodePage936,
                                               {ModuleFile::Reading::kMeasure, style});
    EXPECT_EQ(for_measure.Reindented().size, measured.size);
    EXPECT_EQ(for_measure.Reindented().changes, measured.changes);

    Lines edited = file.VisibleLines();
    Origins origins(edited.size());
    for (std::size_t k = 0; k < origins.size(); ++k)
      origins[k] = k;
    for (std::size_t edits = pick(4); edits > 0; --edits) {
      const auto at = static_cast<std::ptrdiff_t>(1 + pick(edited.size()));
      // Two texts side by side, as an edit puts text beside what a line holds.
      const std::u16string text = Decode(contents[pick(std::size(contents) - 1)], file.Encoding()) +
                                  Decode(contents[pick(std::size(contents) - 1)], file.Encoding());
      const bool inside = static_cast<std::size_t>(at) < edited.size();
      if (inside && pick(3) == 0) {
        edited.erase(edited.begin() + at);
        origins.erase(origins.begin() + at);
      } else if (inside && pick(2) == 0) {
        edited[static_cast<std::size_t>(at)] = text;
      } else {
        edited.insert(edited.begin() + at, text);
        origins.insert(origins.begin() + at, kNew);
      }
    }
    SCOPED_TRACE("edited to " + testing::PrintToString(edited));
    try {
      ASSERT_EQ(ModuleFile::Parse(file.Serialize(edited, origins)).VisibleLines(), edited);
    } catch (const FileError& error) {
      // Refused only where a line would not read back as edited.
      ASSERT_TRUE(std::any_of(edited.begin(), edited.end(), [&](const std::u16string& line) {
        return Decode(Encode(line, file.Encoding()).bytes, file.Encoding()) != line;
      })) << error.what();
      ASSERT_NE(std::string(error.what()).find("would join the text after it"), std::string::npos)
          << error.what();
    }
  }
}

// A byte no decoder accepted stays a byte of its own: where an edit puts text after it that
// would complete a character, the line is refused (where not: above), naming in UTF-8 the last
// such byte before the first unit that reads back otherwise. A character the encoding cannot
// hold is named as it is: a lone surrogate is not paired with the low one after it. (A stray
// byte in code page 936, a character beyond the plane: the refusals of command_line_test.)
TEST(ModuleFile, RefusalsNameWhatTheLineCannotHold) {
  const auto refusal = [](const std::string& bytes, const std::u16string& line) -> std::string {
    try {
      return "written: " + ModuleFile::Parse(bytes).Serialize({line});
    } catch (const FileError& error) {
      return error.what();
    }
  };
  EXPECT_EQ(refusal("\xEF\xBB\xBF\xE4\xB8 \xAD\n", u"\xDCE4\xDCB8\xDCAD"),
            "line 1: the stray byte 0xE4 would join the text after it into another character in "
            "UTF-8");
  EXPECT_EQ(refusal("x\r\n", u"\xDC00\xDC01"),
            "line 1 holds U+DC00, which code page 936 cannot represent");
}

// Member attributes follow their line wherever edits move it, or the nearest surviving line
// above it; origins must name lines of the file, in order.
TEST(ModuleFile, MemberAttributesFollowTheirLine) {
  const ModuleFile file = ModuleFile::Parse(kClass);
  const std::string head = kClass.substr(0, kClass.find("Option Explicit"));
  const std::string item =
      "Attribute Item.VB_UserMemId = 0\r\nAttribute Item.VB_Description = \"\xCF\xEE\"\r\n";
  const std::string foo = "Attribute Foo.VB_Description = \"foo\"\r\n";
  const struct {
    Lines edited;
    Origins origins;
    std::string body;
  } cases[] = {
      {{u"Option Explicit", u"' 1", u"' 2", u"", u"Public Property Get Item() As Long",
        u"    Item = 1", u"End Property", u"", u"Sub Foo()", u"End Sub"},
       {0, kNew, kNew, 1, 2, 3, 4, 5, 6, 7},
       "Option Explicit\r\n' 1\r\n' 2\r\n\r\nPublic Property Get Item() As Long\r\n" + item +
           "    Item = 1\r\nEnd Property\r\n\r\nSub Foo()\r\n" + foo + "End Sub\r\n"},
      {{u"Option Explicit", u"", u"Public Sub Foo() ' 改", u"End Sub"},
       {0, 1, 6, 7},
       "Option Explicit\r\n\r\n" + item + "Public Sub Foo() ' \xB8\xC4\r\n" + foo + "End Sub\r\n"},
      {{}, {}, item + foo},
  };
  for (const auto& c : cases)
    EXPECT_EQ(file.Serialize(c.edited, c.origins), head + c.body);
  for (const Origins& bad : {Origins{8}, Origins{1, 0}, Origins{1, 1}, Origins{}})
    EXPECT_THROW(file.Serialize({u"a", u"b"}, bad), std::invalid_argument);
  EXPECT_THROW(file.Serialize({u"a", u"b"}), std::invalid_argument);
}

TEST(ModuleHeader, CoversWhatTheEditorHides) {
  const std::pair<std::vector<std::string_view>, std::size_t> cases[] = {
      // A user form with blank lines before the attributes.
      {{"VERSION 5.00", "Begin {C62A69F0-16DC-11CE-9E98-00AA00574A4F} UserForm1", "End", "",
        "Attribute VB_Name = \"UserForm1\"", "", "Sub A()"},
       5},
      {{"Attribute VB_Name = \"M\"", "", "Sub A()"}, 1},  // a blank line after it is code
      {{"VERSION 5.00", "Begin VB.Form F", "  Begin VB.Label L", "End"}, 4},  // left open
      {{"Begin x", "End"}, 0},  // no version line, so Begin is code
  };
  for (const auto& [lines, header] : cases)
    EXPECT_EQ(CountHeaderLines(lines), header) << testing::PrintToString(lines);
}

// Every line of a module is asked, so most are turned away by their first byte: the keyword
// must open the line, in any case.
TEST(ModuleHeader, RecognisesMemberAttributes) {
  for (const char* line : {"Attribute Item.VB_UserMemId = 0",
                           "ATTRIBUTE Foo.vb_Description = \"说明\"", "Attribute A.VB_"})
    EXPECT_TRUE(IsMemberAttribute(line)) << line;
  for (const char* line : {"Attribute VB_Name = \"Module1\"", "Attribute = 1", "\tAttribute A.VB_X",
                           "x = Attribute.VB_Foo", "", "A", "Attribute", "Attributes A.VB_X = 0",
                           "a = Foo.VB_UserMemId", "Attribute A.VB", "Attribute A.Foo = 1"})
    EXPECT_FALSE(IsMemberAttribute(line)) << line;
}

// Encoding looks at the unit after a high surrogate only below the text's size; looking one
// further reads the string's terminating null, which is no low surrogate either, so that
// bound cannot be told by any text.

// Every byte from 0x80 on as a lead, followed by bytes at the edges of the continuation range
// and by a byte outside it, cut short or not: the bytes survive decoding, and a file is taken
// for UTF-8 only when all of it decodes as UTF-8 (so an overlong form or an encoded surrogate
// makes it code page 936).
TEST(FileEncoding, NoByteIsReadAsPartOfASequenceItCannotStart) {
  const char followers[] = {'\x80', '\x8F', '\x90', '\x9F', '\xA0', '\xBF', 'A'};
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (std::size_t k = 0; k < 7 * 7 * 7; ++k) {
      const std::string all{static_cast<char>(lead), followers[k % 7], followers[k / 7 % 7],
                            followers[k / 49]};
      for (std::size_t length = 2; length <= 4; ++length) {
        const std::string bytes = all.substr(0, length);
        SCOPED_TRACE(testing::PrintToString(bytes));
        const std::u16string text = Decode(bytes, FileEncoding::kUtf8);
        ASSERT_EQ(Encode(text, FileEncoding::kUtf8).bytes, bytes);
        if (DetectEncoding(bytes) == FileEncoding::kUtf8) {
          ASSERT_TRUE(std::none_of(text.begin(), text.end(), text::IsByteEscape));
        }
        // Parsing tells the encoding in its own walk over the lines.
        ASSERT_EQ(ModuleFile::Parse(bytes + "\r\n" + bytes).Encoding(), DetectEncoding(bytes));
      }
    }
  }
}

// ASCII is passed over several bytes at a time: the first byte that is not ASCII decides the
// encoding and is decoded wherever it falls in such a run; a byte order mark wins over the
// content. Parsing decides alike, lines that read as UTF-8 before a byte that says otherwise
// included.
TEST(FileEncoding, DetectsFromTheBytesWhereverTheyFall) {
  const std::pair<std::string, FileEncoding> cases[] = {
      {"", FileEncoding::kCodePage936},
      {"\xE4\xBB\xA3", FileEncoding::kUtf8},
      {"\xE4\xBB\xA3 \x80", FileEncoding::kCodePage936},  // valid UTF-8, then a byte it never holds
      {"\xF0\x90\x80\x80", FileEncoding::kUtf8},
      // The code points around the surrogates: only the surrogates themselves are no UTF-8.
      {"\xED\x9F\xBF", FileEncoding::kUtf8},
      {"\xED\xBF\xBF", FileEncoding::kCodePage936},
      {"\xEE\x80\x80", FileEncoding::kUtf8},
  };
  for (std::size_t before = 0; before <= 18; ++before) {
    const std::string ascii(before, 'x');
    const std::u16string text(before, u'x');
    for (const auto& [bytes, encoding] : cases) {
      EXPECT_EQ(DetectEncoding(ascii + bytes + ascii), encoding) << before << bytes;
      EXPECT_EQ(ModuleFile::Parse(ascii + bytes + ascii).Encoding(), encoding) << before << bytes;
    }
    const auto late = ModuleFile::Parse(ascii + "\xC4\xA3\r\n" + ascii + "\n\xB4\xFA");
    EXPECT_EQ(late.Encoding(), FileEncoding::kCodePage936);
    EXPECT_EQ(late.VisibleLines(), (Lines{text + u"模", text, u"代"}));
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" + ascii + "\xB4\xFA"), FileEncoding::kUtf8WithBom);
    EXPECT_EQ(Decode(ascii + "\xE4\xBB\xA3" + ascii, FileEncoding::kUtf8), text + u"代" + text);
    EXPECT_EQ(Decode(ascii + "\x80" + ascii, FileEncoding::kUtf8WithBom), text + u"\xDC80" + text);
  }
  EXPECT_EQ(Decode("\xF0\x90\x80\x80\xEF\xBF\xBF", FileEncoding::kUtf8), u"\U00010000\uFFFF");
  EXPECT_EQ(Encode(u"ab\xD800", FileEncoding::kUtf8).unencodable_at, 2u);
}

}  // namespace
}  // namespace tessaly::cli
