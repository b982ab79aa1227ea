#pragma once

// The user's own snippets ("我的代码"): one file per snippet, named for its caption, in the
// user's folder and then the project's. A subfolder is a submenu; a snippet or folder of the
// same path and name in a later folder replaces the earlier one.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "host/file_system.h"

namespace tessaly::menu {

inline constexpr std::size_t kMaxSnippets = 200;
// Submenus inside submenus, counted from the popup's own items.
inline constexpr int kMaxSubmenuDepth = 3;

struct SnippetNode {
  std::u16string name;  // the file's or folder's, which orders the menu
  std::u16string caption;
  bool is_submenu = false;
  std::u16string text;                // a snippet's, lines joined by CR LF
  std::vector<SnippetNode> children;  // a submenu's, in menu order
};

struct SnippetLibrary {
  std::vector<SnippetNode> items;  // in menu order
  std::size_t unreadable = 0;      // files left out as too large, not text or not decodable
  std::size_t left_out = 0;        // snippets past kMaxSnippets
};

// For the failure log: one line per file left out and per folder that could not be read.
using SnippetLog = std::function<void(const std::u16string& line)>;

// Reads the folders in order (an empty path or a missing folder adds nothing). Only files
// ending in ".txt" are snippets; names starting with a dot are passed over.
SnippetLibrary ReadSnippetLibrary(host::FileSystem& files, std::span<const std::u16string> folders,
                                  const SnippetLog& log);

// The caption a file or folder name shows: without ".txt", and without a leading number and
// the one blank after it ("01 文件头.txt" shows "文件头"), since the number is there to order.
std::u16string SnippetCaption(std::u16string_view name, bool is_folder);

// Names in menu order: runs of digits compare as numbers, so "2 b" comes before "10 a".
bool SnippetNameLess(std::u16string_view a, std::u16string_view b);

}  // namespace tessaly::menu
