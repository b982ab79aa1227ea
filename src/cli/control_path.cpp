#include "cli/control_path.h"

#include "addin/editor_queries.h"
#include "menu/menu_catalogue.h"

namespace tessaly::cli {

std::optional<std::vector<std::u16string>> MenuControlPath(const std::u16string& caption) {
  const auto popups = menu::MenuTop(menu::kPopupGroup);
  for (int popup = 0; popup < menu::kPopupCount; ++popup) {
    for (const auto& item : menu::MenuItems(popup)) {
      if (item.caption == caption) {
        return std::vector<std::u16string>{addin::kMenuBarName,
                                           std::u16string(popups[popup].caption), caption};
      }
    }
  }
  for (const auto& button : menu::MenuTop(menu::kButtonGroup)) {
    if (button.caption == caption) {
      return std::vector<std::u16string>{addin::kMenuBarName, caption};
    }
  }
  return std::nullopt;
}

}  // namespace tessaly::cli
