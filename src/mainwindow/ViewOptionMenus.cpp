#include "mainwindow/ViewOptionMenus.h"

#include <optional>

#include "browser/BrowserViews.h"
#include "browser/Commands.h"
#include "browser/ListSort.h"
#include "browser/MenuStatus.h"
#include "mainwindow/frmMain.h"
#include "options/ViewOptionCommands.h"
#include "winui/App.h"

namespace mainwindow {
namespace {

using browser::Command;

// The ticks of the four choices follow their settings: the old item loses its tick, the new one gets it.
void ShowChoices() {
  browser::TickChosenMembers();
  browser::ShowCommands();
}

bool InRange(int index, Command command) { return index >= 0 && index < browser::CommandState::Members(command); }

}  // namespace

void cmbArc_Click(frmMain& form) {
  const int index = form.cmbArc.ListIndex();
  if (!InRange(index, Command::MakeArcType)) return;
  const std::optional<int> back =
      options::TypeChosenInCombo(index, browser::Commands().Enabled(Command::MakeArcType, index));
  ShowChoices();
  // Setting the position raises this click again, which finds the stored type and stops there.
  if (back) form.cmbArc.SetListIndex(*back);
}

void mnuOptionMakeArc_Click(frmMain& form, int index) {
  if (!InRange(index, Command::MakeArcType)) return;
  const int position = options::ChooseTypeToCreate(index);
  ShowChoices();
  form.cmbArc.SetListIndex(position);
}

void mnuOptionOption_Click(frmMain& form) {
  const options::GeneralOptionsOutcome outcome = options::ShowGeneralOptions(form.Hwnd());
  form.ShowListAppearance();
  form.SetMenuChecked(ID_mnuViewWindowTop, outcome.topMost);
  winui::DoEvents();
}

void mnuViewOptionsAll_Click(frmMain& form) { options::ShowCommonArcOptions(form.Hwnd()); }

void mnuViewOptionsArc_Click(frmMain& form, int index) {
  if (InRange(index, Command::MakeArcType)) options::ShowArcOptionsOf(index, form.Hwnd());
}

void mnuListViewMode_Click(frmMain& form, int index) {
  if (!InRange(index, Command::ListViewMode)) return;
  form.lvListView.SetView(options::ChooseViewMode(index));
  ShowChoices();
}

void mnuViewArrangeIcon_Click(frmMain&, int index) {
  if (!InRange(index, Command::SortColumn)) return;
  browser::SortListView(index);
  options::ChooseSortColumn(index);
  ShowChoices();
}

void mnuViewArrangeAceDec_Click(frmMain&, int index) {
  if (!InRange(index, Command::SortOrder)) return;
  const int column = options::ChooseSortOrder(index);
  ShowChoices();
  browser::SortListView(column);
}

void lvListView_ColumnClick(frmMain& form, int column) {
  if (!InRange(column, Command::SortColumn)) return;
  mnuViewArrangeIcon_Click(form, options::ColumnHeaderClicked(column));
}

void mnuViewLineUpIcons_Click(frmMain& form) { form.lvListView.ArrangeAutoLeft(); }

void BindViewOptionCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  struct Item {
    int id;
    void (*run)(frmMain&, int index);
  };
  static constexpr Item kItems[] = {
      {ID_mnuOptionMakeArc, &mnuOptionMakeArc_Click},
      {ID_mnuOptionOption, [](frmMain& f, int) { mnuOptionOption_Click(f); }},
      {ID_mnuViewOptionsAll, [](frmMain& f, int) { mnuViewOptionsAll_Click(f); }},
      {ID_mnuViewOptionsArc, &mnuViewOptionsArc_Click},
      {ID_mnuListViewMode, &mnuListViewMode_Click},
      {ID_mnuViewArrangeIcon, &mnuViewArrangeIcon_Click},
      {ID_mnuViewArrangeAceDec, &mnuViewArrangeAceDec_Click},
      {ID_mnuViewLineUpIcons, [](frmMain& f, int) { mnuViewLineUpIcons_Click(f); }},
  };
  for (const Item& item : kItems)
    form.On(item.id, Event::Click, [&form, run = item.run](EventArgs& args) { run(form, args.index); });
  form.On(ID_cmbArc, Event::Click, [&form](EventArgs&) { cmbArc_Click(form); });
  // The event counts the columns from 1.
  form.On(ID_lvListView, Event::ColumnClick, [&form](EventArgs& args) { lvListView_ColumnClick(form, args.item - 1); });
}

}  // namespace mainwindow
