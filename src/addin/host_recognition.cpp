#include "addin/host_recognition.h"

#include <array>
#include <utility>

#include "addin/vb_conversion.h"
#include "host/resume.h"
#include "text/ascii_case.h"

namespace tessaly::addin {

namespace {

constexpr std::array<const char16_t*, 5> kHostNames = {u"Microsoft Access", u"Microsoft Excel",
                                                       u"Microsoft PowerPoint", u"Microsoft Word",
                                                       u"Microsoft Visual Basic"};
constexpr char16_t kStandAloneEditor[] = u"Microsoft Visual Basic";

constexpr std::array<std::pair<const char16_t*, const char16_t*>, 5> kHostPrograms = {{
    {u"EXCEL.EXE", u"Microsoft Excel"},
    {u"WINWORD.EXE", u"Microsoft Word"},
    {u"MSACCESS.EXE", u"Microsoft Access"},
    {u"POWERPNT.EXE", u"Microsoft PowerPoint"},
    {u"VB6.EXE", kStandAloneEditor},
}};

}  // namespace

std::u16string HostNameOfExecutable(const std::u16string& file_name) {
  for (const auto& [program, name] : kHostPrograms) {
    if (text::EqualsIgnoringAsciiCase(file_name, program)) return name;
  }
  return {};
}

std::u16string ReadHostName(host::Application& application) {
  try {
    return application.Name();
  } catch (const host::HostError&) {
    return host::ResumeOr(std::u16string(),
                          [&] { return HostNameOfExecutable(application.ExecutableName()); });
  }
}

bool IsRecognisedHost(const std::u16string& host_name) {
  for (const char16_t* name : kHostNames) {
    if (host_name == name) return true;
  }
  return false;
}

bool IsAcceptedHost(const std::u16string& host_name, const std::u16string& host_version) {
  const auto version = ToNumber(host_version);
  return IsRecognisedHost(host_name) && version && *version < 10;
}

std::u16string HostModeOf(const std::u16string& host_name) {
  return host_name == kStandAloneEditor ? kHostModeVb6 : kHostModeVba;
}

ProgramInfo GetProgramInfo(host::Application* application) {
  if (application == nullptr) return {};
  const auto name = ReadHostName(*application);
  const auto version = host::ResumeOr(std::u16string(), [&] { return application->Version(); });
  const auto number = ToNumber(version);
  if (!IsRecognisedHost(name) || !number || *number > 10) return {};
  return {u"TessalyIDE", u"V1.36", u"2024-07-08", u"2015-2024", u"Kestrum"};
}

}  // namespace tessaly::addin
