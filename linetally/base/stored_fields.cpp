#include "linetally/base/stored_fields.h"

#include <algorithm>

namespace lt {

template <class Read>
bool FieldReader::Attempt(const char* label, Read read) {
  try {
    read();
    return true;
  } catch (const RegistryError&) {
    return Unreadable(label);
  }
}

bool FieldReader::Unreadable(const char* label) {
  if (std::find(labels.begin(), labels.end(), label) == labels.end()) labels.emplace_back(label);
  return false;
}

bool FieldReader::Text(const char* value, const char* label, std::string& into) {
  return Attempt(label, [&] { into = registry.ReadString(value); });
}

bool FieldReader::Flag(const char* value, const char* label, bool& into) {
  return Attempt(label, [&] { into = registry.ReadBool(value); });
}

bool FieldReader::Time(const char* value, const char* label, double& into) {
  double time = 0;
  if (!Attempt(label, [&] { time = registry.ReadTime(value); })) return false;
  // No window the dialog could show or save; NaN fails both tests.
  if (!(time >= 0 && time < 1)) return Unreadable(label);
  into = time;
  return true;
}

std::string FieldReader::Message(const std::string& subject, const std::string& advice) const {
  return UnreadableValuesMessage(subject, labels, advice);
}

std::string UnreadableValuesMessage(const std::string& subject, const std::vector<std::string>& labels,
                                    const std::string& advice) {
  std::string list;
  for (const std::string& label : labels) list += (list.empty() ? "" : ", ") + label;
  return subject + " unreadable values: " + list + ". " + advice;
}

}  // namespace lt
