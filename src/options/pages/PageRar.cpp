// The RAR page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(6, L"RAR 書庫のオプション")};
}  // namespace

ArcOptionPage RarPage() { return {kPage}; }

}  // namespace options
