#pragma once

// The layout options of the commands that indent (fmt, click, style): `--no-editorconfig`
// leaves the project's .editorconfig files unread, `--style KEY=VALUE` (repeatable) sets a key
// over them. One StyleOptions serves a whole run, reading each folder's file once.

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "codetools/indent_style.h"
#include "style/config_source.h"
#include "style/editorconfig_lookup.h"
#include "style/style_resolution.h"

namespace tessaly::cli {

// For a command's Arguments: its flags and options with a value gain these.
inline const std::vector<std::string> kStyleFlags = {"--no-editorconfig"};
inline const std::vector<std::string> kStyleValueOptions = {"--style"};

class StyleOptions {
 public:
  // Throws style::StyleError for an override that names no style key or gives a key a value it
  // cannot take, before any file is read.
  explicit StyleOptions(const Arguments& arguments);

  // The layout for the module at `path` as the command line names it (relative to the current
  // folder or absolute); standard input ("-") has no folder and takes the overrides alone.
  // Throws style::StyleError for an .editorconfig that cannot be read or holds a value a key
  // cannot take.
  codetools::IndentStyle StyleFor(const std::string& path) { return ResolvedFor(path).style; }
  // The same with each key's value and where it was set, as `tessaly style` shows them.
  style::ResolvedStyle ResolvedFor(const std::string& path);

 private:
  bool read_editorconfig_;
  std::vector<style::StyleOverride> overrides_;
  style::FileConfigSource source_;
  style::EditorConfigLookup lookup_;
};

}  // namespace tessaly::cli
