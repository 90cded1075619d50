#pragma once
// Settings read field by field, so that one damaged value never stops a window: a value that
// is missing, of another type, refused by the platform, or whose text or number does not fit
// its field does not read. The field then keeps its default and is named, once, by the label
// the window gives it; nothing is written back.
#include <optional>
#include <string>
#include <vector>

#include "linetally/base/registry.h"

namespace lt {

// Reads fields from the registry's current key and keeps the labels of those that did not read.
class FieldReader {
 public:
  explicit FieldReader(Registry& registry) : registry(registry) {}

  // Each returns whether the value read; when it did not, `into` keeps its value.
  // A text (REG_SZ or REG_EXPAND_SZ); a missing one reads as the empty text.
  bool Text(const char* value, const char* label, std::string& into);
  // A 4-byte DWORD, true when non-zero.
  bool Flag(const char* value, const char* label, bool& into);
  // Eight bytes of a double: a time of day from 0 up to (not including) 1.
  bool Time(const char* value, const char* label, double& into);
  // A text that `parse` turns into the field's value; a missing one keeps the default unsaid.
  template <class T, class Parse>
  bool Parsed(const char* value, const char* label, T& into, Parse parse) {
    if (!registry.ValueExists(value)) return true;
    std::string text;
    if (!Text(value, label, text)) return false;
    std::optional<T> parsed = parse(text);
    if (!parsed) return Unreadable(label);
    into = *parsed;
    return true;
  }

  // The labels of the fields that did not read, each once, in reading order.
  const std::vector<std::string>& Labels() const { return labels; }
  bool AllRead() const { return labels.empty(); }
  // "<subject> unreadable values: A, B. <advice>", as the one message that names them.
  std::string Message(const std::string& subject, const std::string& advice) const;

 private:
  bool Unreadable(const char* label);
  // Runs one registry read; a RegistryError names the label.
  template <class Read>
  bool Attempt(const char* label, Read read);

  Registry& registry;
  std::vector<std::string> labels;
};

// The message for a list of labels, as FieldReader::Message.
std::string UnreadableValuesMessage(const std::string& subject, const std::vector<std::string>& labels,
                                    const std::string& advice);

}  // namespace lt
