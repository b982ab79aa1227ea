#include "menu/snippet_library.h"

#include <algorithm>
#include <optional>
#include <variant>

#include "host/host_error.h"
#include "menu/snippet_file.h"
#include "text/ascii_case.h"
#include "text/utf.h"

namespace tessaly::menu {
namespace {

constexpr std::u16string_view kSnippetExtension = u".txt";

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool HasSnippetExtension(std::u16string_view name) {
  if (name.size() <= kSnippetExtension.size()) return false;
  const auto tail = name.substr(name.size() - kSnippetExtension.size());
  return std::equal(tail.begin(), tail.end(), kSnippetExtension.begin(),
                    [](char16_t a, char16_t b) { return text::AsciiLower(a) == b; });
}

std::u16string_view DigitRun(std::u16string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && IsDigit(text[end]))
    ++end;
  return text.substr(at, end - at);
}

// Compares two runs of digits by their value, whatever zeros lead them.
int CompareNumbers(std::u16string_view a, std::u16string_view b) {
  const auto significant = [](std::u16string_view run) {
    const auto first = run.find_first_not_of(u'0');
    return first == std::u16string_view::npos ? std::u16string_view() : run.substr(first);
  };
  a = significant(a);
  b = significant(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

class LibraryReader {
 public:
  LibraryReader(host::FileSystem& files, const SnippetLog& log) : files_(files), log_(log) {}

  // The folder's snippets and submenus, sorted; `depth` counts the submenus above them.
  std::vector<SnippetNode> ReadFolder(const std::u16string& path, int depth) {
    std::vector<host::FolderEntry> entries;
    try {
      entries = files_.ListFolder(path);
    } catch (const host::HostError& error) {
      Log(u"snippet folder skipped, " + path + u": " + text::FromUtf8(error.what()));
      return {};
    }
    std::vector<SnippetNode> nodes;
    for (const auto& entry : entries) {
      if (entry.name.empty() || entry.name.front() == u'.') continue;
      if (entry.is_folder) {
        if (depth >= kMaxSubmenuDepth) {
          Log(u"snippet folder skipped, " + entry.path + u": more than three levels deep");
          continue;
        }
        SnippetNode submenu{entry.name, SnippetCaption(entry.name, true), true, {}, {}};
        submenu.children = ReadFolder(entry.path, depth + 1);
        nodes.push_back(std::move(submenu));
      } else if (HasSnippetExtension(entry.name)) {
        if (auto text = ReadSnippet(entry)) {
          nodes.push_back({entry.name, SnippetCaption(entry.name, false), false, *text, {}});
        }
      }
    }
    return nodes;
  }

  std::size_t Unreadable() const { return unreadable_; }

 private:
  std::optional<std::u16string> ReadSnippet(const host::FolderEntry& entry) {
    std::string bytes;
    try {
      // One byte more than allowed tells a file too large from one just large enough.
      bytes = files_.ReadFile(entry.path, kMaxSnippetBytes + 1);
    } catch (const host::HostError& error) {
      return LeftOut(entry, error.what());
    }
    auto decoded = DecodeSnippetFile(bytes);
    if (auto* problem = std::get_if<SnippetFileProblem>(&decoded)) {
      return LeftOut(entry, problem->why);
    }
    return std::get<std::u16string>(std::move(decoded));
  }

  std::nullopt_t LeftOut(const host::FolderEntry& entry, const std::string& why) {
    ++unreadable_;
    Log(u"snippet left out, " + entry.path + u": " + text::FromUtf8(why));
    return std::nullopt;
  }

  void Log(const std::u16string& line) {
    if (log_) log_(line);
  }

  host::FileSystem& files_;
  const SnippetLog& log_;
  std::size_t unreadable_ = 0;
};

// A later folder's entry replaces the earlier one of the same name; submenus merge.
void Merge(std::vector<SnippetNode>& into, std::vector<SnippetNode> from) {
  for (auto& node : from) {
    const auto same = std::find_if(into.begin(), into.end(), [&](const SnippetNode& old) {
      return old.name == node.name && old.is_submenu == node.is_submenu;
    });
    if (same == into.end()) {
      into.push_back(std::move(node));
    } else if (node.is_submenu) {
      Merge(same->children, std::move(node.children));
    } else {
      *same = std::move(node);
    }
  }
}

void Sort(std::vector<SnippetNode>& nodes) {
  std::sort(nodes.begin(), nodes.end(), [](const SnippetNode& a, const SnippetNode& b) {
    return SnippetNameLess(a.name, b.name);
  });
  for (auto& node : nodes)
    Sort(node.children);
}

// Keeps the first `room` snippets in menu order and counts the others; a submenu without a
// snippet (an empty folder, or one the cut emptied) is no menu.
void KeepFirst(std::vector<SnippetNode>& nodes, std::size_t& room, std::size_t& left_out) {
  std::vector<SnippetNode> kept;
  for (auto& node : nodes) {
    if (node.is_submenu) {
      KeepFirst(node.children, room, left_out);
      if (node.children.empty()) continue;
    } else if (room == 0) {
      ++left_out;
      continue;
    } else {
      --room;
    }
    kept.push_back(std::move(node));
  }
  nodes = std::move(kept);
}

}  // namespace

bool SnippetNameLess(std::u16string_view a, std::u16string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const auto run_a = DigitRun(a, i);
      const auto run_b = DigitRun(b, j);
      if (const int order = CompareNumbers(run_a, run_b)) return order < 0;
      i += run_a.size();
      j += run_b.size();
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  if (i < a.size() || j < b.size()) return j < b.size();
  return a < b;  // "01" and "1" are the same number: one order for both still
}

std::u16string SnippetCaption(std::u16string_view name, bool is_folder) {
  if (!is_folder && HasSnippetExtension(name)) {
    name.remove_suffix(kSnippetExtension.size());
  }
  const auto digits = DigitRun(name, 0).size();
  if (digits > 0 && digits + 1 < name.size() && name[digits] == u' ') {
    name.remove_prefix(digits + 1);
  }
  return std::u16string(name);
}

SnippetLibrary ReadSnippetLibrary(host::FileSystem& files, std::span<const std::u16string> folders,
                                  const SnippetLog& log) {
  LibraryReader reader(files, log);
  SnippetLibrary library;
  for (const auto& folder : folders) {
    if (!folder.empty()) Merge(library.items, reader.ReadFolder(folder, 0));
  }
  Sort(library.items);
  std::size_t room = kMaxSnippets;
  KeepFirst(library.items, room, library.left_out);
  library.unreadable = reader.Unreadable();
  return library;
}

}  // namespace tessaly::menu
