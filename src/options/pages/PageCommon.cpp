// The common page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(17, L"共通のオプション")};
}  // namespace

ArcOptionPage CommonPage() { return {kPage}; }

}  // namespace options
