#include "controls/property_store.h"

#include "forms/text_rules.h"

PropertyBag::Entry* PropertyBag::Find(std::wstring_view name) {
  const std::wstring wanted = UpperCase(name);
  for (Entry& entry : entries_) {
    if (UpperCase(entry.name) == wanted) return &entry;
  }
  return nullptr;
}

PropertyValue PropertyBag::Read(std::wstring_view name, const PropertyValue& fallback) {
  const Entry* entry = Find(name);
  return entry ? entry->value : fallback;
}

void PropertyBag::Write(std::wstring_view name, const PropertyValue& value) {
  if (Entry* entry = Find(name)) {
    entry->value = value;
    return;
  }
  entries_.push_back({std::wstring(name), value});
}
