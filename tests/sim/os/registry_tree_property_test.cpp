// The registry tree and its .reg file over generated input: random operations checked against a
// plain map after every step, and every tree they leave written out and read back the same,
// also when its hex lines are wrapped as a person would wrap them by hand.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "host/registry.h"
#include "sim/os/reg_file.h"
#include "sim/os/registry_tree.h"
#include "sim/os/utf16_bytes.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

// Keys by their path folded to upper case, each holding its values by their folded names.
using Model = std::map<std::u16string, std::map<std::u16string, RegistryValue>>;

std::u16string Folded(std::u16string_view name) {
  std::u16string folded(name);
  for (auto& c : folded)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return folded;
}

// Every key of the tree under HKEY_CURRENT_USER that holds values or was listed, as the model
// keeps them.
void Collect(const RegistryNode& node, const std::u16string& path, Model& out) {
  if (node.listed() || !node.values().empty()) {
    auto& values = out[Folded(path)];
    for (const auto& value : node.values())
      values[Folded(value.name)] = value;
  }
  for (const auto& child : node.children())
    Collect(*child, path + u"\\" + child->name(), out);
}

Model Contents(const RegistryTree& tree) {
  Model contents;
  Collect(*tree.Root(host::kCurrentUser), u"HKEY_CURRENT_USER", contents);
  return contents;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  // Names with what the file must escape or must not mistake: quotes, backslashes (values
  // only), brackets, '=', '@', ';', blanks, letters of both cases and Chinese.
  std::u16string Name(bool key) {
    static constexpr std::u16string_view kLetters = u"aB\"\\[]=@; -中文";
    std::u16string name;
    const int length = 1 + Below(6);
    for (int i = 0; i < length; ++i) {
      char16_t c = kLetters[static_cast<std::size_t>(Below(static_cast<int>(kLetters.size())))];
      if (key && c == u'\\') c = u'k';
      name.push_back(c);
    }
    return name;
  }

  RegistryValue Value() {
    static constexpr std::uint32_t kTypes[] = {host::kRegSz, 2, 3, host::kRegDword, 7, 0, 0xb};
    RegistryValue value;
    value.name = Below(5) == 0 ? u"" : Name(false);
    value.type = kTypes[Below(7)];
    // Lengths up to a few hex lines, so the wrapping is crossed at every column.
    const int length = value.type == host::kRegDword && Below(2) ? 4 : Below(90);
    for (int i = 0; i < length; ++i)
      value.data.push_back(static_cast<std::uint8_t>(Below(4) == 0 ? 0 : Below(256)));
    if (value.type == host::kRegSz && Below(2)) value.data = testing::Sz(Name(false));
    return value;
  }

 private:
  std::mt19937 random_;
};

// A key path under the root: an existing key's path followed by zero or one new name.
struct Place {
  RegistryNode* node;
  std::u16string path;
};

Place RandomKey(RegistryTree& tree, Generator& generate) {
  Place place{tree.Root(host::kCurrentUser), u"HKEY_CURRENT_USER"};
  while (!place.node->children().empty() && generate.Below(3) != 0) {
    const auto& children = place.node->children();
    const auto& child =
        children[static_cast<std::size_t>(generate.Below(static_cast<int>(children.size())))];
    place = {child.get(), place.path + u"\\" + child->name()};
  }
  return place;
}

void ForgetKeyAndBelow(Model& model, const std::u16string& path) {
  const auto folded = Folded(path);
  for (auto it = model.lower_bound(folded); it != model.end() && it->first.starts_with(folded);) {
    const bool below = it->first.size() == folded.size() || it->first[folded.size()] == u'\\';
    it = below ? model.erase(it) : std::next(it);
  }
}

// One random step applied to the tree and to the model alike.
void Step(RegistryTree& tree, Model& model, Generator& generate) {
  Place place = RandomKey(tree, generate);
  switch (generate.Below(5)) {
    case 0: {  // a new (or found again) subkey, listed as a section of its own
      const auto name = generate.Name(true);
      RegistryNode* child = place.node->FindChild(name);
      if (!child) child = &place.node->AddChild(name);
      child->set_listed(true);
      model[Folded(place.path + u"\\" + child->name())];
      break;
    }
    case 1:
    case 2: {
      auto value = generate.Value();
      model[Folded(place.path)][Folded(value.name)] = value;
      place.node->SetValue(std::move(value));
      break;
    }
    case 3: {  // a value removed, named in another letter case, or one that is not there
      if (place.node->values().empty()) break;
      const auto& values = place.node->values();
      auto name =
          values[static_cast<std::size_t>(generate.Below(static_cast<int>(values.size())))].name;
      if (generate.Below(2)) name = Folded(name);
      if (generate.Below(4) == 0) name += u"x";
      place.node->RemoveValue(name);
      const auto key = model.find(Folded(place.path));
      if (key != model.end()) key->second.erase(Folded(name));
      // The root is never a section of its own: without values it is not written.
      if (!place.node->listed() && place.node->values().empty()) model.erase(Folded(place.path));
      break;
    }
    default: {  // a key removed with everything below it
      if (!place.node->parent()) break;
      ForgetKeyAndBelow(model, place.path);
      place.node->parent()->RemoveChild(place.node);
      break;
    }
  }
}

// The file with each hex line wrapped after other commas, continued with other blanks.
std::vector<std::uint8_t> RewrappedByHand(const std::vector<std::uint8_t>& file,
                                          Generator& generate) {
  const std::u16string text = testing::TextOfUtf16File(file);
  std::u16string joined;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 5, u"\\\r\n  ") == 0) {
      i += 4;
      continue;
    }
    joined.push_back(text[i]);
    const auto hex = text.rfind(u"=hex", i);
    const bool in_hex_data = hex != std::u16string::npos && hex > text.rfind(u'\n', i);
    if (text[i] == u',' && in_hex_data && generate.Below(6) == 0)
      joined += generate.Below(2) ? u"\\\r\n\t" : u" \\\n    ";
  }
  return testing::Utf16File(joined);
}

TEST(RegistryTreeProperty, AgreesWithAPlainMapAndComesBackFromItsFile) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Generator generate(seed);
    RegistryTree tree;
    Model model;
    for (int step = 0; step < 60; ++step) {
      Step(tree, model, generate);
      ASSERT_EQ(Contents(tree), model) << "after step " << step;
    }
    const auto file = FormatRegFile(tree);
    RegistryTree read;
    ParseRegFile(file, "generated.reg", read);
    EXPECT_EQ(Contents(read), model);
    EXPECT_EQ(FormatRegFile(read), file);

    RegistryTree rewrapped;
    ParseRegFile(RewrappedByHand(file, generate), "by-hand.reg", rewrapped);
    EXPECT_EQ(Contents(rewrapped), model);
  }
}

}  // namespace
}  // namespace tessaly::sim
