// The formats of this folder that must decode a whole archive to reach one
// entry (gzip-compressed TAR, cabinet folders, fixture text) keep the last
// decoded archive here, so reading N entries decodes once, not N times.
#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

namespace standin {

template <typename Decoded>
class DecodeCache {
 public:
  // Returns the decoded form of `bytes`, decoding it with `decode` when it is
  // not the archive decoded last; null when decoding fails.
  std::shared_ptr<const Decoded> Get(std::string_view bytes,
                                     const std::function<bool(std::string_view, Decoded&)>& decode) {
    Key key = KeyOf(bytes);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (value_ && key == key_) return value_;
    }
    auto fresh = std::make_shared<Decoded>();
    if (!decode(bytes, *fresh)) return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    key_ = key;
    value_ = fresh;
    return fresh;
  }

 private:
  struct Key {
    const char* data = nullptr;
    size_t size = 0;
    unsigned char head[64] = {}, tail[64] = {};
    bool operator==(const Key& o) const {
      return data == o.data && size == o.size && std::memcmp(head, o.head, sizeof head) == 0 &&
             std::memcmp(tail, o.tail, sizeof tail) == 0;
    }
  };
  static Key KeyOf(std::string_view b) {
    Key k;
    k.data = b.data();
    k.size = b.size();
    size_t n = b.size() < sizeof k.head ? b.size() : sizeof k.head;
    std::memcpy(k.head, b.data(), n);
    std::memcpy(k.tail, b.data() + b.size() - n, n);
    return k;
  }

  std::mutex mutex_;
  Key key_;
  std::shared_ptr<const Decoded> value_;
};

}  // namespace standin
