#pragma once

// How the editor divides a module into a declarations section and procedures. The code tools
// take their line ranges from these numbers, so the simulation counts exactly as the editor
// does: comment and blank lines above a header belong to the procedure below them, and the
// last procedure runs to the end of the module.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::sim {

// Procedure kinds as the editor numbers them.
enum ProcKind : std::int32_t {
  kProcKindProcedure = 0,  // Sub or Function
  kProcKindLet = 1,
  kProcKindSet = 2,
  kProcKindGet = 3,
};

struct ProcedureHeader {
  std::u16string name;
  std::int32_t kind = kProcKindProcedure;
  bool operator==(const ProcedureHeader&) const = default;
};

// `[Public|Private|Friend] [Static] Sub|Function|Property Get|Let|Set Name`, after optional
// blanks and tabs; keywords in any letter case.
std::optional<ProcedureHeader> ParseProcedureHeader(std::u16string_view line);
// The trimmed text begins with End Sub, End Function or End Property.
bool IsProcedureEnd(std::u16string_view line);
// Blank, an apostrophe comment or a Rem comment.
bool IsBlankOrComment(std::u16string_view line);

struct Procedure {
  std::u16string name;
  std::int32_t kind = kProcKindProcedure;
  std::int32_t header_line = 0;  // all line numbers from 1
  std::int32_t start_line = 0;
  std::int32_t end_line = 0;
};

class ProcedureTable {
 public:
  static ProcedureTable Scan(const std::vector<std::u16string>& lines);

  // The last line of the declarations section; 0 when the first procedure starts at line 1.
  std::int32_t DeclarationsEnd() const { return declarations_end_; }
  const std::vector<Procedure>& Procedures() const { return procedures_; }
  // The procedure holding the line, or null in the declarations section.
  const Procedure* At(std::int32_t line) const;
  // Kind 0 finds a Sub or Function; the property kinds find that property procedure.
  const Procedure* Find(std::u16string_view name, std::int32_t kind) const;

 private:
  std::int32_t declarations_end_ = 0;
  std::vector<Procedure> procedures_;
};

}  // namespace tessaly::sim
