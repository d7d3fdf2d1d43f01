// The 7Z page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(13, L"7Z 書庫のオプション")};
}  // namespace

ArcOptionPage SevenZipPage() { return {kPage}; }

}  // namespace options
