#pragma once
#include "archiver/LibraryBinding.h"

namespace archiver::listing {

template <typename Fn, typename... Args>
auto CallEntry(const LibraryReader& reader, const char* name, Args... args)
    -> std::optional<decltype(std::declval<Fn>()(args...))> {
  using R = decltype(std::declval<Fn>()(args...));
  R result{};
  const std::string entry = std::string(reader.prefix) + name;
  if (Invoke<Fn>(reader.library, entry.c_str(), result, args...) != Binding::Called) return std::nullopt;
  return result;
}

}  // namespace archiver::listing
