// The ZIP page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(1, L"ZIP 書庫のオプション")};
}  // namespace

ArcOptionPage ZipPage() { return {kPage}; }

}  // namespace options
