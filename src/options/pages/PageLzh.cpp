// The LZH page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(0, L"LZH 書庫のオプション")};
}  // namespace

ArcOptionPage LzhPage() { return {kPage}; }

}  // namespace options
