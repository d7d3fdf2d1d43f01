// The BGA page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(10, L"BGA 書庫のオプション")};
}  // namespace

ArcOptionPage BgaPage() { return {kPage}; }

}  // namespace options
