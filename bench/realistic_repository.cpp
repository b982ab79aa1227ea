#include "realistic_repository.h"

#include <cmath>
#include <random>
#include <string_view>

#include "realistic_module.h"
#include "text/gbk.h"
#include "text/utf.h"

namespace tessaly::bench {

namespace {

// What the editor exports above a class module's code; standard modules have the name alone.
constexpr std::u16string_view kClassHead[] = {u"VERSION 1.0 CLASS", u"BEGIN",
                                              u"  MultiUse = -1  'True", u"END"};

std::string ModuleFile(const std::vector<std::u16string>& head,
                       const std::vector<std::u16string>& lines, bool utf8,
                       std::u16string_view line_break) {
  std::u16string text;
  for (const auto* part : {&head, &lines}) {
    for (const auto& line : *part)
      text.append(line).append(line_break);
  }
  return utf8 ? text::ToUtf8(text) : text::EncodeGbk(text).bytes;
}

}  // namespace

std::vector<RepositoryModule> RealisticRepository(std::size_t module_count,
                                                  std::size_t largest_lines, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> magnitude(std::log(30.0), std::log(4000.0));
  std::vector<RepositoryModule> modules;
  for (std::size_t index = 0; index < module_count; ++index) {
    const bool largest = index + 1 == module_count;
    const auto lines =
        largest ? largest_lines : static_cast<std::size_t>(std::exp(magnitude(random)));
    // One module in four is UTF-8 and one in four has LF line ends, independently; one in
    // five is a class.
    const bool utf8 = random() % 4 == 0;
    const bool lf = random() % 4 == 0;
    const bool is_class = random() % 5 == 0;
    const std::string name = (is_class ? "Class" : "Module") + std::to_string(index + 1);
    std::vector<std::u16string> head;
    if (is_class) head.assign(std::begin(kClassHead), std::end(kClassHead));
    head.push_back(u"Attribute VB_Name = \"" + text::FromUtf8(name) + u"\"");
    const std::string bytes =
        ModuleFile(head, RealisticExcelModule(lines, seed + index), utf8, lf ? u"\n" : u"\r\n");
    modules.push_back({name + (is_class ? ".cls" : ".bas"), bytes, head.size() + lines});
  }
  return modules;
}

}  // namespace tessaly::bench
