#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controls/button_face.h"

// The named values a container keeps for a control in its stored layout.
using PropertyValue = std::variant<bool, std::int32_t, std::wstring, ButtonFont>;

// Names are matched without regard to case: stored layouts may hold them in lower case.
class PropertyStore {
 public:
  virtual ~PropertyStore() = default;
  // The stored value, or fallback when the name is absent. A value the store cannot give throws.
  virtual PropertyValue Read(std::wstring_view name, const PropertyValue& fallback) = 0;
  virtual void Write(std::wstring_view name, const PropertyValue& value) = 0;
};

// A store held in memory, in the order the names were first written.
class PropertyBag final : public PropertyStore {
 public:
  struct Entry {
    std::wstring name;
    PropertyValue value;
  };

  PropertyValue Read(std::wstring_view name, const PropertyValue& fallback) override;
  void Write(std::wstring_view name, const PropertyValue& value) override;
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  Entry* Find(std::wstring_view name);
  std::vector<Entry> entries_;
};
