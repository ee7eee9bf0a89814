// Draws the installer's own art: the 431 x 404 window picture (a call-centre
// queue-number display on a soft gradient) as JPEG, and the program icon as
// a Windows .ico. Shapes are signed-distance fields, so every edge and glow
// is smooth without a drawing library.
//
//   picture_generator <picture.jpg> <icon.ico>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

struct TRgb {
  float r, g, b;
};

TRgb Mix(TRgb a, TRgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// Coverage of a shape at signed distance d (negative inside), 1 px soft edge.
float Cover(float d) { return Clamp01(0.5f - d); }

float Glow(float d, float reach) { return d <= 0 ? 1.0f : std::exp(-d / reach); }

float RoundedBox(float x, float y, float cx, float cy, float hw, float hh, float radius) {
  const float qx = std::fabs(x - cx) - hw + radius;
  const float qy = std::fabs(y - cy) - hh + radius;
  const float ox = std::max(qx, 0.0f);
  const float oy = std::max(qy, 0.0f);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Circle(float x, float y, float cx, float cy, float radius) { return std::hypot(x - cx, y - cy) - radius; }

// A ring segment between the angles a0 and a1 (radians, y downwards).
float Arc(float x, float y, float cx, float cy, float radius, float half, float a0, float a1) {
  const float angle = std::atan2(y - cy, x - cx);
  if (angle < a0 || angle > a1) {
    const float ex0 = cx + radius * std::cos(a0), ey0 = cy + radius * std::sin(a0);
    const float ex1 = cx + radius * std::cos(a1), ey1 = cy + radius * std::sin(a1);
    return std::min(std::hypot(x - ex0, y - ey0), std::hypot(x - ex1, y - ey1)) - half;
  }
  return std::fabs(std::hypot(x - cx, y - cy) - radius) - half;
}

class TCanvas {
 public:
  TCanvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, TRgb{0, 0, 0}), alpha_(px_.size(), 0) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  TRgb& At(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
  float& Alpha(int x, int y) { return alpha_[static_cast<size_t>(y) * w_ + x]; }

  // Blends colour over every pixel by the amount f(x, y) returns (0..1),
  // taken at the pixel's centre.
  template <class F>
  void Paint(TRgb color, F amount) {
    for (int y = 0; y < h_; ++y) {
      for (int x = 0; x < w_; ++x) {
        const float a = Clamp01(amount(x + 0.5f, y + 0.5f));
        if (a <= 0) continue;
        At(x, y) = Mix(At(x, y), color, a);
        Alpha(x, y) = Alpha(x, y) + (1 - Alpha(x, y)) * a;
      }
    }
  }
  template <class F>
  void Add(TRgb color, F amount) {
    for (int y = 0; y < h_; ++y) {
      for (int x = 0; x < w_; ++x) {
        const float a = amount(x + 0.5f, y + 0.5f);
        if (a <= 0) continue;
        TRgb& p = At(x, y);
        p = {std::min(1.0f, p.r + color.r * a), std::min(1.0f, p.g + color.g * a), std::min(1.0f, p.b + color.b * a)};
      }
    }
  }

  uint8_t Byte(float v) const { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

 private:
  int w_, h_;
  std::vector<TRgb> px_;
  std::vector<float> alpha_;
};

TRgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

// Seven segments a..g of a digit in a box at (x, y), w x h; bit i = segment i.
constexpr uint8_t kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

float Segment(float px, float py, int segment, float x, float y, float w, float h, float t) {
  const float half = h / 2;
  switch (segment) {
    case 0: return RoundedBox(px, py, x + w / 2, y + t / 2, w / 2 - t, t / 2, t / 2);
    case 1: return RoundedBox(px, py, x + w - t / 2, y + half / 2, t / 2, half / 2 - t * 0.7f, t / 2);
    case 2: return RoundedBox(px, py, x + w - t / 2, y + half + half / 2, t / 2, half / 2 - t * 0.7f, t / 2);
    case 3: return RoundedBox(px, py, x + w / 2, y + h - t / 2, w / 2 - t, t / 2, t / 2);
    case 4: return RoundedBox(px, py, x + t / 2, y + half + half / 2, t / 2, half / 2 - t * 0.7f, t / 2);
    case 5: return RoundedBox(px, py, x + t / 2, y + half / 2, t / 2, half / 2 - t * 0.7f, t / 2);
    default: return RoundedBox(px, py, x + w / 2, y + half, w / 2 - t, t / 2, t / 2);
  }
}

void DrawDigit(TCanvas& c, int digit, float x, float y, float w, float h, float t) {
  const TRgb lit = Hex(0xFF3B2F);
  const TRgb dim = Hex(0x2A1619);
  for (int s = 0; s < 7; ++s) {
    const bool on = (kDigitSegments[digit] >> s) & 1;
    auto d = [&](float px, float py) { return Segment(px, py, s, x, y, w, h, t); };
    if (on) c.Add(Hex(0xFF2A1A), [&](float px, float py) { return 0.55f * Glow(d(px, py), 7.0f); });
    c.Paint(on ? lit : dim, [&](float px, float py) { return Cover(d(px, py)); });
    if (on) c.Paint(Hex(0xFFB39E), [&](float px, float py) { return 0.45f * Cover(d(px, py) + t * 0.32f); });
  }
}

void DrawPicture(TCanvas& c) {
  const float W = static_cast<float>(c.Width());
  const float H = static_cast<float>(c.Height());
  // Night-blue to teal, lit from the upper left.
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const float t = (y + 0.5f) / H;
      TRgb p = Mix(Hex(0x0C2857), Hex(0x0A7F8C), t * t * (3 - 2 * t));
      const float light = std::exp(-std::hypot(x - W * 0.15f, y - H * 0.05f) / 180.0f);
      p = Mix(p, Hex(0x8FD8FF), 0.35f * light);
      c.At(x, y) = p;
    }
  }
  // Soft out-of-focus lights.
  const struct {
    float x, y, r, a;
  } lights[] = {{38, 60, 26, 0.10f},  {392, 44, 40, 0.08f}, {350, 120, 16, 0.14f}, {70, 210, 34, 0.07f},
                {402, 250, 22, 0.10f}, {22, 330, 18, 0.12f}, {300, 20, 12, 0.16f},  {150, 28, 9, 0.18f},
                {250, 375, 30, 0.07f}, {120, 380, 14, 0.10f}};
  for (const auto& l : lights)
    c.Paint(Hex(0xCFF4FF), [&](float x, float y) { return l.a * Clamp01(0.5f - Circle(x, y, l.x, l.y, l.r) / 6.0f); });
  // Two waves along the bottom.
  for (int k = 0; k < 2; ++k) {
    const float base = H - 92 + k * 26;
    const float amp = 12 - k * 4;
    const TRgb tone = k ? Hex(0x1FC1C9) : Hex(0x62E0E6);
    c.Paint(tone, [&](float x, float y) {
      const float edge = base + amp * std::sin(x / W * 6.2831853f * (1.2f + 0.4f * k) + k * 1.7f);
      return (0.22f + 0.1f * k) * Cover(edge - y);
    });
  }
  // The queue-number display: a dark glass panel with a cyan rim.
  const float pcx = W / 2, pcy = 142, phw = 168, phh = 82, pr = 18;
  auto panel = [&](float x, float y) { return RoundedBox(x, y, pcx, pcy, phw, phh, pr); };
  c.Paint(Hex(0x020812), [&](float x, float y) { return 0.45f * Glow(panel(x, y - 8), 10.0f) * (panel(x, y) > 0); });
  c.Add(Hex(0x48D8FF), [&](float x, float y) { return 0.45f * Glow(std::fabs(panel(x, y)) - 1.2f, 4.0f); });
  c.Paint(Hex(0x0E1622), [&](float x, float y) { return Cover(panel(x, y)); });
  c.Paint(Hex(0x1B2A3C), [&](float x, float y) { return Cover(panel(x, y)) * Clamp01((pcy - y) / phh) * 0.8f; });
  c.Paint(Hex(0x9FEAFF), [&](float x, float y) { return Cover(std::fabs(panel(x, y) + 1.5f) - 0.9f) * 0.9f; });
  // Status lights and a divider on the panel.
  const TRgb leds[] = {Hex(0x38F07A), Hex(0x38F07A), Hex(0xFFC83A)};
  for (int i = 0; i < 3; ++i) {
    const float lx = pcx - phw + 26 + i * 16, ly = pcy - phh + 20;
    c.Add(leds[i], [&](float x, float y) { return 0.5f * Glow(Circle(x, y, lx, ly, 3.5f), 3.0f); });
    c.Paint(leds[i], [&](float x, float y) { return Cover(Circle(x, y, lx, ly, 3.5f)); });
  }
  c.Paint(Hex(0x2C4660), [&](float x, float y) {
    return Cover(RoundedBox(x, y, pcx + 40, pcy - phh + 20, 90, 2.0f, 2.0f));
  });
  // The number being called.
  const int number[4] = {0, 1, 6, 8};
  const float dw = 58, dh = 100, gap = 16, thick = 11;
  const float x0 = pcx - (4 * dw + 3 * gap) / 2;
  for (int i = 0; i < 4; ++i) DrawDigit(c, number[i], x0 + i * (dw + gap), pcy - dh / 2 + 12, dw, dh, thick);
  // A ticket below the display, casting a soft shadow.
  const float tcx = W / 2 + 40, tcy = 300, thw = 92, thh = 34;
  auto ticket = [&](float x, float y) {
    float d = RoundedBox(x, y, tcx, tcy, thw, thh, 8);
    d = std::max(d, -Circle(x, y, tcx - thw, tcy, 9));  // notches
    d = std::max(d, -Circle(x, y, tcx + thw, tcy, 9));
    return d;
  };
  c.Paint(Hex(0x031A2A), [&](float x, float y) { return 0.35f * Glow(ticket(x - 4, y - 6), 6.0f); });
  c.Paint(Hex(0xF4F8FB), [&](float x, float y) { return Cover(ticket(x, y)); });
  for (int i = 0; i < 9; ++i) {  // perforation
    const float py = tcy - thh + 8 + i * 7.5f;
    c.Paint(Hex(0xB8C7D3), [&](float x, float y) { return Cover(Circle(x, y, tcx - 40, py, 1.6f)); });
  }
  for (int i = 0; i < 3; ++i) {  // printed lines
    const float len = i == 0 ? 46 : (i == 1 ? 38 : 28);
    c.Paint(i == 0 ? Hex(0xE2483D) : Hex(0x8DA3B5), [&](float x, float y) {
      return Cover(RoundedBox(x, y, tcx - 24 + len, tcy - 14 + i * 14, len, i == 0 ? 4.0f : 2.5f, 2.5f));
    });
  }
  c.Paint(Hex(0x0A7F8C), [&](float x, float y) { return Cover(Circle(x, y, tcx - 66, tcy, 10)); });
  c.Paint(Hex(0xF4F8FB), [&](float x, float y) { return Cover(Circle(x, y, tcx - 66, tcy, 4)); });
  // A headset on the left, the caller's voice on the right.
  const float hx = 92, hy = 300;
  const TRgb white = Hex(0xF2FBFF);
  c.Add(Hex(0x4CE0FF), [&](float x, float y) {
    return 0.25f * Glow(Arc(x, y, hx, hy, 30, 4, -3.1416f, 0.0f), 6.0f);
  });
  c.Paint(white, [&](float x, float y) { return Cover(Arc(x, y, hx, hy, 30, 4, -3.1416f, 0.0f)); });
  c.Paint(white, [&](float x, float y) { return Cover(RoundedBox(x, y, hx - 30, hy + 6, 8, 14, 6)); });
  c.Paint(white, [&](float x, float y) { return Cover(RoundedBox(x, y, hx + 30, hy + 6, 8, 14, 6)); });
  c.Paint(white, [&](float x, float y) { return Cover(Arc(x, y, hx + 8, hy + 14, 22, 2.2f, 0.3f, 1.75f)); });
  c.Paint(white, [&](float x, float y) { return Cover(Circle(x, y, hx + 2, hy + 36, 4.5f)); });
  for (int i = 0; i < 3; ++i) {
    const float r = 10 + i * 9.0f;
    c.Paint(white, [&](float x, float y) {
      return (1.0f - i * 0.22f) * Cover(Arc(x, y, W - 52, tcy, r, 2.2f, -0.75f, 0.75f));
    });
  }
}

bool WriteJpeg(TCanvas& c, const char* path) {
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = static_cast<JDIMENSION>(c.Width());
  info.image_height = static_cast<JDIMENSION>(c.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(c.Width()) * 3);
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const TRgb p = c.At(x, y);
      row[x * 3] = c.Byte(p.r);
      row[x * 3 + 1] = c.Byte(p.g);
      row[x * 3 + 2] = c.Byte(p.b);
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(f) == 0;
}

// The icon: a rounded teal tile with a red "1" of the display, drawn at size n.
TCanvas DrawIcon(int n) {
  TCanvas c(n, n);
  const float s = n / 32.0f;
  auto tile = [&](float x, float y) { return RoundedBox(x, y, n / 2.0f, n / 2.0f, n / 2.0f - 0.5f, n / 2.0f - 0.5f, 6 * s); };
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) c.At(x, y) = Mix(Hex(0x1456A8), Hex(0x0A9AA6), (y + 0.5f) / n);
  TCanvas out(n, n);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      out.At(x, y) = c.At(x, y);
      out.Alpha(x, y) = Cover(tile(x + 0.5f, y + 0.5f));
    }
  auto panel = [&](float x, float y) { return RoundedBox(x, y, n / 2.0f, n / 2.0f, 11 * s, 11 * s, 3 * s); };
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const float a = Cover(panel(x + 0.5f, y + 0.5f));
      out.At(x, y) = Mix(out.At(x, y), Hex(0x0E1622), a);
    }
  // A lit "1" of the display: upright bar with its short flag.
  const float t = std::max(2.0f, 3.2f * s);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float bar = RoundedBox(px, py, 17.5f * s, 14.5f * s, t / 2, 7.0f * s, t / 2);
      const float flag = RoundedBox(px, py, 15.0f * s, 8.8f * s, 2.6f * s, t / 2.4f, t / 2.4f);
      out.At(x, y) = Mix(out.At(x, y), Hex(0xFF3B2F), Cover(std::min(bar, flag)));
    }
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const float d = RoundedBox(x + 0.5f, y + 0.5f, n / 2.0f, 24.5f * s, 6 * s, 0.9f * s + 0.3f, 0.8f * s);
      out.At(x, y) = Mix(out.At(x, y), Hex(0x38F07A), Cover(d));
    }
  return out;
}

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// One icon image: BITMAPINFOHEADER, bottom-up 32-bit BGRA rows, AND mask.
std::vector<uint8_t> IconImage(TCanvas& c) {
  const int n = c.Width();
  std::vector<uint8_t> v;
  Put32(v, 40);
  Put32(v, static_cast<uint32_t>(n));
  Put32(v, static_cast<uint32_t>(n * 2));
  Put16(v, 1);
  Put16(v, 32);
  for (int i = 0; i < 6; ++i) Put32(v, 0);
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const TRgb p = c.At(x, y);
      const float a = Clamp01(c.Alpha(x, y));
      v.push_back(c.Byte(p.b * a));
      v.push_back(c.Byte(p.g * a));
      v.push_back(c.Byte(p.r * a));
      v.push_back(c.Byte(a));
    }
  // The mask is unused with alpha, but must be there; rows padded to 4 bytes.
  const int maskRow = ((n + 31) / 32) * 4;
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(maskRow), 0);
    for (int x = 0; x < n; ++x)
      if (c.Alpha(x, y) < 0.5f) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

bool WriteIcon(const char* path) {
  const int sizes[] = {16, 32, 48};
  std::vector<std::vector<uint8_t>> images;
  for (int n : sizes) {
    TCanvas c = DrawIcon(n);
    images.push_back(IconImage(c));
  }
  std::vector<uint8_t> v;
  Put16(v, 0);
  Put16(v, 1);
  Put16(v, 3);
  uint32_t offset = 6 + 16 * 3;
  for (size_t i = 0; i < 3; ++i) {
    v.push_back(static_cast<uint8_t>(sizes[i]));
    v.push_back(static_cast<uint8_t>(sizes[i]));
    v.push_back(0);
    v.push_back(0);
    Put16(v, 1);
    Put16(v, 32);
    Put32(v, static_cast<uint32_t>(images[i].size()));
    Put32(v, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) v.insert(v.end(), image.begin(), image.end());
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  const bool ok = std::fwrite(v.data(), 1, v.size(), f) == v.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s picture.jpg icon.ico\n", argv[0]);
    return 2;
  }
  TCanvas picture(431, 404);
  DrawPicture(picture);
  if (!WriteJpeg(picture, argv[1])) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  if (!WriteIcon(argv[2])) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
