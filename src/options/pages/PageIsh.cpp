// The ISH page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(5, L"ISH 書庫のオプション")};
}  // namespace

ArcOptionPage IshPage() { return {kPage}; }

}  // namespace options
