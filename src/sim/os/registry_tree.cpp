#include "sim/os/registry_tree.h"

#include "host/registry.h"
#include "text/ascii_case.h"

namespace tessaly::sim {

namespace {

std::u16string Folded(std::u16string_view name) {
  return text::AsciiUppercased(std::u16string(name));
}

constexpr std::array<std::uint32_t, 4> kRootNumbers = {host::kClassesRoot, host::kCurrentUser,
                                                       host::kLocalMachine, host::kUsers};
constexpr std::array<std::u16string_view, 4> kRootNames = {
    u"HKEY_CLASSES_ROOT", u"HKEY_CURRENT_USER", u"HKEY_LOCAL_MACHINE", u"HKEY_USERS"};

}  // namespace

bool SameRegistryName(std::u16string_view a, std::u16string_view b) {
  return text::EqualsIgnoringAsciiCase(a, b);
}

// Keys may nest deeper than the call stack goes, so nothing here recurses.
RegistryNode::~RegistryNode() {
  std::vector<std::unique_ptr<RegistryNode>> pending = std::move(children_);
  while (!pending.empty()) {
    const std::unique_ptr<RegistryNode> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->children_)
      pending.push_back(std::move(child));
    node->children_.clear();
  }
}

std::u16string RegistryNode::FullPath() const {
  std::vector<const RegistryNode*> chain;
  for (const RegistryNode* node = this; node; node = node->parent_)
    chain.push_back(node);
  std::u16string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (!path.empty()) path += u'\\';
    path += (*it)->name_;
  }
  return path;
}

RegistryNode* RegistryNode::FindChild(std::u16string_view name) const {
  const auto found = children_by_name_.find(Folded(name));
  return found == children_by_name_.end() ? nullptr : found->second;
}

RegistryNode& RegistryNode::AddChild(std::u16string name) {
  auto child = std::make_unique<RegistryNode>(std::move(name), this);
  children_by_name_.emplace(Folded(child->name()), child.get());
  children_.push_back(std::move(child));
  return *children_.back();
}

void RegistryNode::RemoveChild(const RegistryNode* child) {
  std::erase_if(children_by_name_, [child](const auto& entry) { return entry.second == child; });
  std::erase_if(children_, [child](const auto& c) { return c.get() == child; });
}

const RegistryValue* RegistryNode::FindValue(std::u16string_view name) const {
  for (const auto& value : values_) {
    if (SameRegistryName(value.name, name)) return &value;
  }
  return nullptr;
}

void RegistryNode::SetValue(RegistryValue value) {
  for (auto& existing : values_) {
    if (SameRegistryName(existing.name, value.name)) {
      // The stored name keeps its first spelling, as the registry does.
      existing.type = value.type;
      existing.data = std::move(value.data);
      return;
    }
  }
  values_.push_back(std::move(value));
}

void RegistryNode::RemoveValue(std::u16string_view name) {
  std::erase_if(values_, [name](const auto& v) { return SameRegistryName(v.name, name); });
}

RegistryTree::RegistryTree() {
  for (std::size_t i = 0; i < roots_.size(); ++i) {
    roots_[i] = std::make_unique<RegistryNode>(std::u16string(kRootNames[i]), nullptr);
  }
}

RegistryNode* RegistryTree::Root(std::uint32_t root) {
  for (std::size_t i = 0; i < roots_.size(); ++i) {
    if (kRootNumbers[i] == root) return roots_[i].get();
  }
  return nullptr;
}

const RegistryNode* RegistryTree::Root(std::uint32_t root) const {
  return const_cast<RegistryTree*>(this)->Root(root);
}

RegistryNode* RegistryTree::RootByName(std::u16string_view name) {
  for (std::size_t i = 0; i < roots_.size(); ++i) {
    if (SameRegistryName(kRootNames[i], name)) return roots_[i].get();
  }
  return nullptr;
}

std::vector<std::u16string> SplitRegistryPath(std::u16string_view path) {
  std::vector<std::u16string> parts;
  if (path.empty()) return parts;
  std::size_t start = 0;
  while (true) {
    const auto slash = path.find(u'\\', start);
    parts.emplace_back(path.substr(start, slash - start));
    if (slash == std::u16string_view::npos) break;
    start = slash + 1;
  }
  return parts;
}

}  // namespace tessaly::sim
