#include "sim/os/sim_registry.h"

#include <stdexcept>

#include "files/atomic_file.h"
#include "sim/os/reg_file.h"

namespace tessaly::sim {

namespace {

constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::u16string_view kWow64Node = u"WOW6432Node";

}  // namespace

SimRegistry::SimRegistry(std::filesystem::path file) : file_(std::move(file)) {
  std::error_code error;
  const auto status = std::filesystem::status(*file_, error);
  if (status.type() == std::filesystem::file_type::not_found) return;
  if (error || status.type() != std::filesystem::file_type::regular) {
    throw std::runtime_error(file_->string() + ": cannot be read as a registry file");
  }
  ParseRegFile(files::ReadWholeFile(*file_), file_->string(), tree_);
}

std::vector<std::u16string> SimRegistry::ViewPath(std::uint32_t root, const std::u16string& subkey,
                                                  std::uint32_t access) const {
  auto parts = SplitRegistryPath(subkey);
  const bool view32 = (access & host::kKeyWow64_32) != 0 ||
                      (redirected_by_default_ && (access & host::kKeyWow64_64) == 0);
  if (view32 && root == host::kLocalMachine && !parts.empty() &&
      SameRegistryName(parts[0], u"SOFTWARE") &&
      !(parts.size() > 1 && SameRegistryName(parts[1], kWow64Node))) {
    parts.insert(parts.begin() + 1, std::u16string(kWow64Node));
  }
  return parts;
}

const RegistryNode* SimRegistry::Find(std::uint32_t root, const std::u16string& subkey,
                                      std::uint32_t access) const {
  const RegistryNode* node = tree_.Root(root);
  if (!node) return nullptr;
  for (const auto& part : ViewPath(root, subkey, access)) {
    node = node->FindChild(part);
    if (!node) return nullptr;
  }
  return node;
}

std::optional<SimRegistry::Handle> SimRegistry::Resolve(host::RegistryKey key) {
  if (const auto it = handles_.find(key); it != handles_.end()) return it->second;
  // The predefined roots are open handles of their own, as in Windows.
  if (key <= 0xFFFFFFFFu) {
    if (RegistryNode* root = tree_.Root(static_cast<std::uint32_t>(key))) {
      return Handle{root, host::kKeyAllAccess};
    }
  }
  return std::nullopt;
}

host::RegistryKey SimRegistry::NewHandle(RegistryNode* node, std::uint32_t access) {
  const auto key = next_handle_;
  next_handle_ += 4;
  handles_.emplace(key, Handle{node, access});
  return key;
}

std::int32_t SimRegistry::Persist() {
  if (!file_) return host::kRegSuccess;
  return files::WriteFileAtomically(*file_, FormatRegFile(tree_)) ? host::kRegSuccess
                                                           : host::kRegAccessDenied;
}

std::int32_t SimRegistry::CreateKey(std::uint32_t root, const std::u16string& subkey,
                                    const std::u16string& key_class, std::uint32_t access,
                                    host::RegistryKey& key) {
  key = 0;
  RegistryNode* node = tree_.Root(root);
  if (!node) return host::kRegInvalidHandle;
  const auto parts = ViewPath(root, subkey, access);
  for (const auto& part : parts) {
    if (part.empty() || !IsStorableRegistryName(part)) return host::kRegInvalidParameter;
  }
  // Remembered so that a change the file refuses can be taken back completely.
  RegistryNode* first_created = nullptr;
  std::vector<RegistryNode*> newly_listed;
  for (const auto& part : parts) {
    RegistryNode* child = node->FindChild(part);
    if (!child) {
      child = &node->AddChild(part);
      child->set_key_class(key_class);
      if (!first_created) first_created = child;
    }
    node = child;
    if (!node->listed()) {
      node->set_listed(true);
      newly_listed.push_back(node);
    }
  }
  if (!newly_listed.empty()) {
    if (const auto status = Persist(); status != host::kRegSuccess) {
      for (RegistryNode* listed : newly_listed)
        listed->set_listed(false);
      if (first_created) first_created->parent()->RemoveChild(first_created);
      return status;
    }
  }
  key = NewHandle(node, access);
  return host::kRegSuccess;
}

std::int32_t SimRegistry::OpenKey(std::uint32_t root, const std::u16string& subkey,
                                  std::uint32_t access, host::RegistryKey& key) {
  key = 0;
  if (!tree_.Root(root)) return host::kRegInvalidHandle;
  const RegistryNode* node = Find(root, subkey, access);
  if (!node) return host::kRegFileNotFound;
  key = NewHandle(const_cast<RegistryNode*>(node), access);
  return host::kRegSuccess;
}

std::int32_t SimRegistry::SetValue(host::RegistryKey key, const std::u16string& name,
                                   std::uint32_t type, const std::vector<std::uint8_t>& data) {
  const auto handle = Resolve(key);
  if (!handle) return host::kRegInvalidHandle;
  if ((handle->access & kKeySetValue) == 0) return host::kRegAccessDenied;
  if (!IsStorableRegistryName(name)) return host::kRegInvalidParameter;
  RegistryNode& node = *handle->node;
  const RegistryValue* existing = node.FindValue(name);
  const std::optional<RegistryValue> previous =
      existing ? std::optional<RegistryValue>(*existing) : std::nullopt;
  node.SetValue(RegistryValue{name, type, data});
  if (const auto status = Persist(); status != host::kRegSuccess) {
    if (previous) {
      node.SetValue(*previous);
    } else {
      node.RemoveValue(name);
    }
    return status;
  }
  return host::kRegSuccess;
}

std::int32_t SimRegistry::QueryValue(host::RegistryKey key, const std::u16string& name,
                                     std::uint32_t& type, std::vector<std::uint8_t>& data) {
  const auto handle = Resolve(key);
  if (!handle) return host::kRegInvalidHandle;
  const RegistryValue* value = handle->node->FindValue(name);
  if (!value) return host::kRegFileNotFound;
  type = value->type;
  data = value->data;
  return host::kRegSuccess;
}

std::int32_t SimRegistry::CloseKey(host::RegistryKey key) {
  if (handles_.erase(key) == 1) return host::kRegSuccess;
  return Resolve(key) ? host::kRegSuccess : host::kRegInvalidHandle;
}

std::optional<RegistryValue> SimRegistry::Value(std::uint32_t root, const std::u16string& subkey,
                                                const std::u16string& name,
                                                std::uint32_t access) const {
  const RegistryNode* node = Find(root, subkey, access);
  const RegistryValue* value = node ? node->FindValue(name) : nullptr;
  return value ? std::optional<RegistryValue>(*value) : std::nullopt;
}

bool SimRegistry::KeyExists(std::uint32_t root, const std::u16string& subkey,
                            std::uint32_t access) const {
  return Find(root, subkey, access) != nullptr;
}

std::optional<std::u16string> SimRegistry::KeyClass(std::uint32_t root,
                                                    const std::u16string& subkey) const {
  const RegistryNode* node = Find(root, subkey, 0);
  return node ? std::optional<std::u16string>(node->key_class()) : std::nullopt;
}

}  // namespace tessaly::sim
