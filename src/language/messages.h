#pragma once

// What `tessaly` says, in either language: a message is an id from the table of messages
// (messages_table.cpp) and the values it names. Errors carry the message rather than its text,
// so that it is put into words only where the user's language is known.

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "language/language.h"
#include "language/message_id.h"

namespace tessaly::language {

// The table's row for one message: the same printf-style %s placeholders, in the same order,
// in both texts.
struct MessageTexts {
  MessageId id;
  const char* english;
  const char* chinese;
};

// Every row, in the order of MessageId.
const std::vector<MessageTexts>& MessageTable();

// A value the message names: a text given as it is (a path, a number, a caption), or a word
// of the table's own, put into the same language as the message.
using MessageArgument = std::variant<std::string, MessageId>;

struct Message {
  MessageId id;
  std::vector<MessageArgument> arguments;
  // What the message is about (a file), written before it as `where: `; empty for none.
  std::string where;

  // The same message about `place`, which goes before any place it named already.
  Message At(const std::string& place) const;
};

// The message in `language`: each %s takes the next argument, %% is a per cent sign.
std::string Say(Language language, const Message& message);

// The table's text of a message that names nothing.
const char* Words(Language language, MessageId id);

// An error whose one line is a message of the table; `what()` holds its English.
class MessageError : public std::runtime_error {
 public:
  explicit MessageError(Message message)
      : std::runtime_error(Say(Language::kEnglish, message)), message_(std::move(message)) {}

  const Message& Said() const { return message_; }

 private:
  Message message_;
};

}  // namespace tessaly::language
