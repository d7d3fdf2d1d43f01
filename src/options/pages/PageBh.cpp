// The BH page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(16, L"BH 書庫のオプション")};
}  // namespace

ArcOptionPage BhPage() { return {kPage}; }

}  // namespace options
