// The single-line edit box.
#include "ui/Edit.h"

#include <vector>

namespace tavo::ui {

TEdit::TEdit(TWinControl& parent) : TWinControl(&parent) {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  CreateHandle(SystemClassParams("EDIT", WS_CHILD | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE));
}

std::string TEdit::Text() const {
  if (!Handle()) return std::string();
  const int length = GetWindowTextLengthA(Handle());
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int got = GetWindowTextA(Handle(), buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void TEdit::SetText(const std::string& text) {
  if (Handle()) SetWindowTextA(Handle(), text.c_str());
}

void TEdit::SelectAll() {
  if (Handle()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == EN_CHANGE) DoChange();
    return;
  }
  TWinControl::WndProc(m);
}

void TEdit::DoChange() {
  if (OnChange) OnChange(*this);
}

}  // namespace tavo::ui
