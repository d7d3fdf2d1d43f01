// The value forms of the data exchange, each written once for both directions, and the three runs.
#include "winui/DataExchange.h"

#include <climits>
#include <optional>

#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/FormState.h"
#include "winui/ListControls.h"
#include "winui/MsgBox.h"
#include "winui/TabPages.h"

namespace winui {
namespace {

// A decimal whole number with an optional sign and nothing else; no value when the text is none or does
// not fit in an int.
std::optional<int> WholeNumber(const std::wstring& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  value = negative ? -value : value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::wstring TrimBlanks(const std::wstring& text) {
  size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

bool IsFlagValue(std::optional<int> value) { return value && *value >= 0 && *value <= 2; }

}  // namespace

void DataExchange::Flag(int id, std::wstring& setting) {
  CheckBox box(form_, id);
  if (Loading()) {
    if (std::optional<int> value = WholeNumber(setting); IsFlagValue(value)) box.SetValue(*value);
  } else if (Saving()) {
    setting = std::to_wstring(box.Value());
  }
}

void DataExchange::FlagRow(int firstId, int count, std::wstring& setting) {
  if (Loading()) {
    for (int k = 0; k < count && k < static_cast<int>(setting.size()); ++k) {
      if (std::optional<int> value = WholeNumber(setting.substr(static_cast<size_t>(k), 1)); IsFlagValue(value))
        CheckBox(form_, firstId + k).SetValue(*value);
    }
  } else if (Saving()) {
    std::wstring row(static_cast<size_t>(count), L'0');
    for (int k = 0; k < count; ++k)
      if (CheckBox(form_, firstId + k).Value() != 0) row[static_cast<size_t>(k)] = L'1';
    setting = row;
  }
}

void DataExchange::Choice(int firstId, int count, std::wstring& setting) {
  if (Loading()) {
    std::optional<int> index = WholeNumber(setting);
    if (index && *index >= 0 && *index < count) OptionButton(form_, firstId + *index).SetValue(true);
  } else if (Saving()) {
    for (int k = 0; k < count; ++k) {
      if (!OptionButton(form_, firstId + k).Value()) continue;
      setting = std::to_wstring(k);
      return;
    }
  }
}

void DataExchange::ListIndex(int id, std::wstring& setting) {
  ListControl list(form_, id);
  if (Loading()) {
    std::optional<int> index = WholeNumber(setting);
    if (index && *index >= -1 && *index < list.ListCount()) list.SetListIndex(*index);
  } else if (Saving()) {
    setting = std::to_wstring(list.ListIndex());
  }
}

void DataExchange::ListText(int id, std::wstring& setting) {
  ComboBox combo(form_, id);
  if (Loading())
    combo.SetText(setting);
  else if (Saving())
    setting = combo.Text();
}

void DataExchange::Slider(int id, std::wstring& setting) {
  winui::Slider slider(form_, id);
  if (Loading()) {
    std::optional<int> position = WholeNumber(setting);
    if (position && *position >= slider.Min() && *position <= slider.Max()) slider.SetValue(*position);
  } else if (Saving()) {
    setting = std::to_wstring(slider.Value());
  }
}

void DataExchange::Number(int id, std::wstring& setting, int min, int max, const std::wstring& field) {
  TextBox box(form_, id);
  if (Loading()) {
    box.SetText(setting);
    return;
  }
  std::optional<int> value = WholeNumber(TrimBlanks(box.Text()));
  bool good = value && *value >= min && *value <= max;
  if (direction_ == Direction::Validate && !good)
    Fail(id, L"「" + field + L"」には " + std::to_wstring(min) + L" から " + std::to_wstring(max) +
                 L" までの数値を入力して下さい");
  if (Saving() && good) setting = std::to_wstring(*value);
}

void DataExchange::Path(int id, std::wstring& setting) {
  TextBox box(form_, id);
  if (Loading())
    box.SetText(setting);
  else if (Saving())
    setting = TrimBlanks(box.Text());
}

void DataExchange::Text(int id, std::wstring& setting) {
  TextBox box(form_, id);
  if (Loading())
    box.SetText(setting);
  else if (Saving())
    setting = box.Text();
}

void DataExchange::Colour(int id, int32_t& setting) {
  if (Loading()) {
    Control(form_, id).SetBackColor(static_cast<COLORREF>(setting));
  } else if (Saving()) {
    detail::ControlState* state = form_->State(id);
    if (state && state->backColor != CLR_INVALID) setting = static_cast<int32_t>(state->backColor);
  }
}

void DataExchange::Fail(int id, const std::wstring& message) {
  if (direction_ != Direction::Validate || failedId_ != 0) return;
  failedId_ = id;
  failMessage_ = message;
}

void LoadControls(Form& form, const Transfer& transfer) {
  DataExchange dx(form, DataExchange::Direction::Load);
  transfer(dx);
}

DataExchange ValidateControls(Form& form, const Transfer& transfer) {
  DataExchange dx(form, DataExchange::Direction::Validate);
  transfer(dx);
  return dx;
}

bool SaveControls(Form& form, const Transfer& transfer, const std::wstring& title) {
  DataExchange checked = ValidateControls(form, transfer);
  if (checked.Failed()) {
    ReportFailure(form, checked, title);
    return false;
  }
  DataExchange dx(form, DataExchange::Direction::Save);
  transfer(dx);
  return true;
}

void ReportFailure(Form& form, const DataExchange& checked, const std::wstring& title) {
  if (!checked.Failed()) return;
  MsgBox(checked.FailMessage(), MB_OK | MB_ICONEXCLAMATION, title, form.Hwnd());
  ShowPageOf(form, checked.FailedId());
  HWND control = form.Item(checked.FailedId());
  if (!control) return;
  ::SetFocus(control);
  if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace winui
