// The multi-document scene the Wine tests share: a skinned parent on
// Lumen with a tool panel along its top and three skinned children, and
// what the parent hears from its children.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/FrameMdi.h"
#include "skin/win32/SkinForm.h"
#include "tests/skin/win32/SkinFormTestSupport.h"
#include "ui/MdiForm.h"
#include "ui/Panel.h"

namespace tavo::skin::mdi_test {

using frame_test::LoadLumen;
using ui::testing_support::PumpUntil;

inline void Settle() { PumpUntil([] { return false; }, 300); }

inline ui::TFormLayout Layout(const std::string& caption, int width, int height, int left, int top) {
  ui::TFormLayout layout;
  layout.Caption = caption;
  layout.ClientWidth = width;
  layout.ClientHeight = height;
  layout.BorderStyle = ui::TBorderStyle::bsSizeable;
  layout.Position = ui::TPosition::poDesigned;
  layout.Left = left;
  layout.Top = top;
  return layout;
}

struct TChild {
  TChild(ui::TMdiForm& parent, TSkinData& skin, int i)
      : form(parent, Layout("Report " + std::to_string(i), 220, 120, 20 * i, 20 * i)) {
    form.Name = "Child" + std::to_string(i);
    frame = std::make_unique<TSkinForm>(&form);
    frame->SetSkinData(&skin);
  }
  ui::TMdiChildForm form;
  std::unique_ptr<TSkinForm> frame;
};

class MdiFrame : public ::testing::Test {
 protected:
  MdiFrame() : parent(Layout("Editor", 960, 460, 20, 40)), tools(parent), frame(&parent) {
    tools.SetAlign(ui::TAlign::alTop);
    tools.SetBounds(0, 0, 960, 30);
    LoadLumen(lumen, lumenStored);
    frame.SetSkinData(&lumen);
    parent.SetClientSize(960, 460);
    // Record what the parent hears from its children, after the frame.
    ui::TWndMethod previous = parent.WindowProc;
    parent.WindowProc = [this, previous](ui::TMessage& m) {
      if (m.Msg >= MsgMdiParentResized && m.Msg <= MsgMdiChildRestored) heard.push_back({m.Msg, m.WParam});
      previous(m);
    };
    parent.Show();
    for (int i = 1; i <= 3; ++i) children.push_back(std::make_unique<TChild>(parent, lumen, i));
    for (auto& c : children) c->form.Show();
    Settle();
  }
  ~MdiFrame() override {
    children.clear();
    parent.Hide();
  }

  RECT ClientWindowRect() {
    RECT r;
    GetClientRect(parent.ClientHandle(), &r);
    return r;
  }
  int Heard(UINT msg, const ui::TMdiChildForm& child) const {
    int n = 0;
    for (auto& [m, w] : heard) n += m == msg && reinterpret_cast<HWND>(w) == child.Handle();
    return n;
  }

  TCompressedStoredSkin lumenStored;
  TSkinData lumen;
  ui::TMdiForm parent;
  ui::TPanel tools;
  TSkinForm frame;
  std::vector<std::unique_ptr<TChild>> children;
  std::vector<std::pair<UINT, WPARAM>> heard;
};

}  // namespace tavo::skin::mdi_test
