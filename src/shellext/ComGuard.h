#pragma once
// No exception may leave a COM method or a library export: each of them runs its body through Guarded.
#include <windows.h>

#include <new>

namespace shellext {

template <class Body>
HRESULT Guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace shellext
