// The GCA page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(11, L"GCA 書庫のオプション")};
}  // namespace

ArcOptionPage GcaPage() { return {kPage}; }

}  // namespace options
