#include "registry_paths/reg_path_split.h"

namespace tessaly::registry_paths {

std::u16string NormaliseRegPath(std::u16string_view path) {
  if (path.starts_with(u'"')) path.remove_prefix(1);
  if (path.ends_with(u'"')) path.remove_suffix(1);
  std::u16string single;
  for (std::size_t i = 0; i < path.size(); ++i) {
    single.push_back(path[i]);
    if (path[i] == u'\\' && i + 1 < path.size() && path[i + 1] == u'\\') ++i;
  }
  if (single.ends_with(u'\\') && single.find(u'\\') == single.size() - 1) single.pop_back();
  return single;
}

std::u16string RegPathLayerOf(std::u16string_view reg_full_name, std::int32_t layer) {
  const auto path = NormaliseRegPath(reg_full_name);
  const auto first = path.find(u'\\');
  if (first == std::u16string::npos) return {};
  const auto last = path.rfind(u'\\');
  switch (layer) {
    case kRootLayer:
      return path.substr(0, first);
    case kSubkeyLayer:
      return first == last ? path.substr(first + 1) : path.substr(first + 1, last - first - 1);
    case kValueNameLayer:
      return path.substr(last + 1);
    case kSubkeyAndValueLayer:
      return path.substr(first + 1);
    case kWholePathLayer:
      return path;
    default:
      return {};
  }
}

std::u16string RegPathSplit(host::SystemServices& system, const std::u16string& reg_full_name,
                            std::int32_t layers) {
  if (IsHelpRequest(reg_full_name)) {
    ShowHelp(system, kRegPathSplitHelp);
    return {};
  }
  return RegPathLayerOf(reg_full_name, layers);
}

}  // namespace tessaly::registry_paths
