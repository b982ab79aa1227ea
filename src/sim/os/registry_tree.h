#pragma once

// The registry's keys and values in memory, shared by the simulated registry and its .reg
// file. Names compare without regard to ASCII case, as the registry compares them, and keep
// the case they were created with.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessaly::sim {

bool SameRegistryName(std::u16string_view a, std::u16string_view b);

struct RegistryValue {
  std::u16string name;  // empty for the key's default value
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  bool operator==(const RegistryValue&) const = default;
};

class RegistryNode {
 public:
  RegistryNode(std::u16string name, RegistryNode* parent)
      : name_(std::move(name)), parent_(parent) {}
  ~RegistryNode();
  RegistryNode(const RegistryNode&) = delete;
  RegistryNode& operator=(const RegistryNode&) = delete;

  const std::u16string& name() const { return name_; }
  RegistryNode* parent() const { return parent_; }
  std::u16string FullPath() const;

  const std::u16string& key_class() const { return key_class_; }
  void set_key_class(std::u16string key_class) { key_class_ = std::move(key_class); }

  // A listed key has a section of its own in the .reg file; a key that only exists because
  // a deeper section names it is not written back as a section.
  bool listed() const { return listed_; }
  void set_listed(bool listed) { listed_ = listed; }

  // Found through an index, so that a key with many subkeys loads in linear time.
  RegistryNode* FindChild(std::u16string_view name) const;
  RegistryNode& AddChild(std::u16string name);
  void RemoveChild(const RegistryNode* child);
  const std::vector<std::unique_ptr<RegistryNode>>& children() const { return children_; }

  const RegistryValue* FindValue(std::u16string_view name) const;
  // Replaces a value of the same name in place, so the order of values stays stable.
  void SetValue(RegistryValue value);
  void RemoveValue(std::u16string_view name);
  const std::vector<RegistryValue>& values() const { return values_; }

 private:
  std::u16string name_;
  RegistryNode* parent_;
  std::u16string key_class_;
  bool listed_ = false;
  std::vector<std::unique_ptr<RegistryNode>> children_;
  // The children by their names folded to upper case.
  std::unordered_map<std::u16string, RegistryNode*> children_by_name_;
  std::vector<RegistryValue> values_;
};

// The four predefined roots, in the order they are written to a file.
class RegistryTree {
 public:
  RegistryTree();
  RegistryNode* Root(std::uint32_t root);
  const RegistryNode* Root(std::uint32_t root) const;
  RegistryNode* RootByName(std::u16string_view name);
  const std::array<std::unique_ptr<RegistryNode>, 4>& roots() const { return roots_; }

 private:
  std::array<std::unique_ptr<RegistryNode>, 4> roots_;
};

// Splits a subkey path at backslashes; an empty path yields no components.
std::vector<std::u16string> SplitRegistryPath(std::u16string_view path);

}  // namespace tessaly::sim
