// Move-only owners for GDI and COM handles, and guards that restore what they
// change: one small type per handle kind instead of DeleteObject calls
// scattered around.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace tavo::ui {

struct TGdiObjectDeleter {
  void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
};
template <class H>
using TGdiHandle = std::unique_ptr<std::remove_pointer_t<H>, TGdiObjectDeleter>;

using THBitmap = TGdiHandle<HBITMAP>;
using THFont = TGdiHandle<HFONT>;
using THRgn = TGdiHandle<HRGN>;
using THBrush = TGdiHandle<HBRUSH>;
using THPen = TGdiHandle<HPEN>;

struct TMemDCDeleter {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
// A device context from CreateCompatibleDC.
using THMemDC = std::unique_ptr<std::remove_pointer_t<HDC>, TMemDCDeleter>;

struct TIconDeleter {
  void operator()(HICON h) const noexcept { DestroyIcon(h); }
};
using THIcon = std::unique_ptr<std::remove_pointer_t<HICON>, TIconDeleter>;

// GetDC/ReleaseDC pair; remembers the window the DC belongs to.
// A null window gives the screen DC.
class TWindowDC {
 public:
  explicit TWindowDC(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
  ~TWindowDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  TWindowDC(TWindowDC&& o) noexcept : wnd_(o.wnd_), dc_(std::exchange(o.dc_, nullptr)) {}
  TWindowDC& operator=(TWindowDC&&) = delete;

  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint/EndPaint pair for WM_PAINT.
class TPaintDC {
 public:
  explicit TPaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
  ~TPaintDC() { EndPaint(wnd_, &ps_); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }
  const RECT& PaintRect() const { return ps_.rcPaint; }

 private:
  HWND wnd_;
  HDC dc_;
  PAINTSTRUCT ps_{};
};

// Selects a GDI object into a DC and puts the previous one back at the end of
// the scope, so that the object can be deleted safely afterwards.
class TSelect {
 public:
  TSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~TSelect() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  TSelect(const TSelect&) = delete;
  TSelect& operator=(const TSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC pair: clipping, origins, colours and modes come back.
class TSaveDC {
 public:
  explicit TSaveDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
  ~TSaveDC() {
    if (state_) RestoreDC(dc_, state_);
  }
  TSaveDC(const TSaveDC&) = delete;
  TSaveDC& operator=(const TSaveDC&) = delete;

 private:
  HDC dc_;
  int state_;
};

// Owner of one COM interface reference.
template <class T>
class TComPtr {
 public:
  TComPtr() = default;
  explicit TComPtr(T* adopted) : p_(adopted) {}
  ~TComPtr() { Reset(); }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;
  TComPtr(TComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  TComPtr& operator=(TComPtr&& o) noexcept {
    if (this != &o) {
      Reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // Address for an out-parameter; releases what was held first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

  // QueryInterface for another interface; the result of the call is returned
  // and `out` is empty when the object lacks the interface.
  template <class U>
  HRESULT As(REFIID iid, TComPtr<U>& out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(iid, out.PutVoid());
  }

 private:
  T* p_ = nullptr;
};

}  // namespace tavo::ui
