#pragma once

#include <string>

#include "addin/connection.h"
#include "host/editor.h"

namespace tessaly::addin {

// The editor's name: its own answer where it publishes one (VB6), otherwise the name of the
// program it runs in; empty when neither tells.
std::u16string ReadHostName(host::Application& application);
// "Microsoft Excel" for EXCEL.EXE (any letter case), and so on for the five editors' programs;
// empty for any other program.
std::u16string HostNameOfExecutable(const std::u16string& file_name);
// One of the five editors the add-in knows, by exact name.
bool IsRecognisedHost(const std::u16string& host_name);
// Recognised, with a version below 10; an unreadable version is never accepted.
bool IsAcceptedHost(const std::u16string& host_name, const std::u16string& host_version);
// "VB6" for the stand-alone editor, "VBA" for the Office editors.
std::u16string HostModeOf(const std::u16string& host_name);
// The program's identity for the About form; empty fields for an unknown or missing host.
ProgramInfo GetProgramInfo(host::Application* application);

}  // namespace tessaly::addin
