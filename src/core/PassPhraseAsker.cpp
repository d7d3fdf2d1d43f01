#include "core/PassPhraseAsker.h"

#include <utility>

namespace core {
namespace {

class NoPassPhrase : public PassPhraseAsker {
 public:
  std::wstring Ask(HWND, const PassPhraseRequest&) override { return L""; }
};

PassPhraseAsker* installed = nullptr;

}  // namespace

PassPhraseAsker& PassPhrases() {
  static NoPassPhrase none;
  return installed ? *installed : none;
}

PassPhraseAsker* SetPassPhraseAsker(PassPhraseAsker* asker) { return std::exchange(installed, asker); }

}  // namespace core
