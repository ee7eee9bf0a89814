// Multi-document forms: a parent form whose client window (MDICLIENT) is a
// control aligned to its client area, and child forms that live in that
// window. The parent keeps the children list, the active child and a window
// menu that lists the children; Ctrl+F4 closes the active child (the
// message loop runs TranslateMDISysAccel for the parent's client window).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Form.h"

namespace tavo::ui {

class TMdiForm;
class TMdiChildForm;

// The window menu: items in order, each with a name, a caption, a check
// mark and a click handler, mirrored into a popup HMENU the native client
// window also knows. The skinned frame adds one item per child.
class TMdiWindowMenu {
 public:
  struct TItem {
    std::string Name;
    std::string Caption;
    bool Checked = false;
    std::function<void()> OnClick;
  };
  TMdiWindowMenu();
  ~TMdiWindowMenu();
  TMdiWindowMenu(const TMdiWindowMenu&) = delete;
  TMdiWindowMenu& operator=(const TMdiWindowMenu&) = delete;

  HMENU Handle() const { return menu_; }
  const std::vector<TItem>& Items() const { return items_; }
  // The item of that name, or null.
  const TItem* Find(const std::string& name) const;
  // Adds an item at the end; an item of the same name is replaced.
  void Add(const TItem& item);
  // False when there is no item of that name.
  bool SetCaption(const std::string& name, const std::string& caption);
  bool SetChecked(const std::string& name, bool checked);
  bool Remove(const std::string& name);
  // Runs the item's click handler; false when there is none of that name.
  bool Click(const std::string& name);

 private:
  void Rebuild();
  std::vector<TItem>::iterator Position(const std::string& name);
  HMENU menu_;
  std::vector<TItem> items_;
};

// The parent's client window, wrapped as a control filling the space the
// parent's aligned controls leave (alClient).
class TMdiClient : public TWinControl {
 public:
  TMdiClient(TMdiForm& form, HMENU windowMenu);
};

class TMdiForm : public TForm {
 public:
  explicit TMdiForm(const TFormLayout& layout);
  ~TMdiForm() override;

  TMdiClient& Client() { return *client_; }
  HWND ClientHandle() const { return client_ ? client_->Handle() : nullptr; }
  TMdiWindowMenu& WindowMenu() { return windowMenu_; }

  // The children in creation order; the active one as the client window
  // reports it (null when none).
  const std::vector<TMdiChildForm*>& Children() const { return children_; }
  TMdiChildForm* ActiveChild() const;
  // Activates the next child (WM_MDINEXT).
  void Next();
  void Cascade();
  void Tile(bool horizontal = false);
  void ArrangeIcons();

 protected:
  void DefaultHandler(TMessage& message) override;

 private:
  friend class TMdiChildForm;
  TMdiWindowMenu windowMenu_;
  TMdiClient* client_ = nullptr;
  std::vector<TMdiChildForm*> children_;
};

class TMdiChildForm : public TForm {
 public:
  // A child of `parent`'s client window, hidden; the layout's Left and Top
  // are client coordinates of that window.
  TMdiChildForm(TMdiForm& parent, const TFormLayout& layout);
  ~TMdiChildForm() override;

  TMdiForm& MdiParent() const { return parent_; }
  // Shows the child and makes it the active child.
  void Show();
  // Hides it; when it was the active one, the next visible child becomes
  // active.
  void Hide();
  bool IsActiveChild() const { return parent_.ActiveChild() == this; }
  bool Maximized() const { return IsZoomed(Handle()) != 0; }

 protected:
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

 private:
  TMdiForm& parent_;
};

// The multi-document parent a window belongs to (itself or its ancestor
// form), or null.
TMdiForm* FindMdiForm(HWND wnd);

}  // namespace tavo::ui
