#include "language/messages.h"

namespace tessaly::language {

Message Message::At(const std::string& place) const {
  Message placed = *this;
  placed.where = where.empty() ? place : place + ": " + where;
  return placed;
}

const char* Words(Language language, MessageId id) {
  const MessageTexts& row = MessageTable()[static_cast<std::size_t>(id)];
  return language == Language::kChinese ? row.chinese : row.english;
}

std::string Say(Language language, const Message& message) {
  const std::string_view words = Words(language, message.id);
  std::string said = message.where.empty() ? "" : message.where + ": ";
  std::size_t next = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] != '%' || i + 1 == words.size()) {
      said.push_back(words[i]);
    } else if (words[++i] == 's' && next < message.arguments.size()) {
      const MessageArgument& argument = message.arguments[next++];
      if (const auto* text = std::get_if<std::string>(&argument)) {
        said += *text;
      } else {
        said += Words(language, std::get<MessageId>(argument));
      }
    } else if (words[i] == '%') {
      said.push_back('%');
    }
  }
  return said;
}

}  // namespace tessaly::language
