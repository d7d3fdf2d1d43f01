#include "LzhTables.h"

#include <algorithm>
#include <queue>

namespace standin::lzh {

std::vector<uint8_t> BuildLengths(const std::vector<uint32_t>& freq) {
  size_t n = freq.size();
  std::vector<uint8_t> len(n, 0);
  std::vector<uint32_t> f(freq);
  for (;;) {
    struct Node {
      uint64_t w;
      int left, right;
    };
    std::vector<Node> nodes;
    using Item = std::pair<uint64_t, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> heap;
    for (size_t i = 0; i < n; ++i) {
      if (f[i]) {
        nodes.push_back(Node{f[i], -1, static_cast<int>(i)});
        heap.push({f[i], static_cast<int>(nodes.size() - 1)});
      }
    }
    if (nodes.size() <= 1) return len;
    while (heap.size() > 1) {
      auto a = heap.top();
      heap.pop();
      auto b = heap.top();
      heap.pop();
      nodes.push_back(Node{a.first + b.first, a.second, b.second});
      heap.push({a.first + b.first, static_cast<int>(nodes.size() - 1)});
    }
    int maxLen = 0;
    std::vector<std::pair<int, int>> stack{{static_cast<int>(nodes.size() - 1), 0}};
    while (!stack.empty()) {
      auto [idx, depth] = stack.back();
      stack.pop_back();
      const Node& nd = nodes[idx];
      if (nd.left < 0) {
        len[nd.right] = static_cast<uint8_t>(depth);
        maxLen = std::max(maxLen, depth);
      } else {
        stack.push_back({nd.left, depth + 1});
        stack.push_back({nd.right, depth + 1});
      }
    }
    if (maxLen <= kMaxBits) return len;
    // Too deep: flatten the weights and build again.
    for (auto& x : f)
      if (x) x = (x >> 1) | 1;
  }
}

std::vector<uint16_t> MakeCodes(const std::vector<uint8_t>& len) {
  uint16_t count[kMaxBits + 2] = {}, next[kMaxBits + 2] = {};
  for (auto l : len)
    if (l) ++count[l];
  uint32_t code = 0;
  for (int bits = 1; bits <= kMaxBits; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = static_cast<uint16_t>(code);
  }
  std::vector<uint16_t> codes(len.size(), 0);
  for (size_t i = 0; i < len.size(); ++i)
    if (len[i]) codes[i] = next[len[i]]++;
  return codes;
}

bool Decoder::Build(const std::vector<uint8_t>& len, int single) {
  single_ = single;
  if (single >= 0) return single < static_cast<int>(len.size());
  std::fill(std::begin(count_), std::end(count_), 0);
  for (auto l : len) {
    if (l > kMaxBits) return false;
    if (l) ++count_[l];
  }
  uint32_t room = 0;
  for (int b = 1; b <= kMaxBits; ++b) room += static_cast<uint32_t>(count_[b]) << (kMaxBits - b);
  if (room != (1u << kMaxBits)) return false;  // incomplete or oversubscribed tree
  uint16_t offs[kMaxBits + 2] = {};
  for (int b = 1; b <= kMaxBits; ++b) offs[b + 1] = offs[b] + count_[b];
  sorted_.assign(len.size(), 0);
  for (size_t i = 0; i < len.size(); ++i)
    if (len[i]) sorted_[offs[len[i]]++] = static_cast<uint16_t>(i);
  fast_.assign(1u << kFastBits, 0);
  auto codes = MakeCodes(len);
  for (size_t i = 0; i < len.size(); ++i) {
    int l = len[i];
    if (!l || l > kFastBits) continue;
    uint32_t first = static_cast<uint32_t>(codes[i]) << (kFastBits - l);
    for (uint32_t k = 0; k < (1u << (kFastBits - l)); ++k) fast_[first + k] = static_cast<uint32_t>(i) << 8 | l;
  }
  return true;
}

Tree MakeTree(const std::vector<uint32_t>& freq) {
  Tree t;
  for (size_t i = 0; i < freq.size(); ++i) {
    if (freq[i]) {
      ++t.used;
      t.single = static_cast<int>(i);
    }
  }
  if (t.used != 1) t.single = -1;
  t.len = BuildLengths(freq);
  t.code = MakeCodes(t.len);
  return t;
}

}  // namespace standin::lzh
