// The one list of keys each skin record carries, walked by a visitor: a
// reader fills the fields from a section of the INI text, a writer writes
// them back, so loading and saving can never disagree about a key or type.
// Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/SkinIni.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

class TSkinFieldVisitor {
 public:
  virtual ~TSkinFieldVisitor() = default;
  // True while reading: records apply their after-reading rules then.
  virtual bool Reading() const = 0;
  virtual void Int(const char* key, int32_t& value, int32_t def) = 0;
  virtual void Color(const char* key, TColor& value, TColor def = 0) = 0;
  virtual void Bool(const char* key, bool& value) = 0;
  virtual void Text(const char* key, std::string& value, const char* def = "") = 0;
  virtual void Rect(const char* key, TRect& value) = 0;
  virtual void Point(const char* key, TPoint& value) = 0;
  virtual void FontStyle(const char* key, TFontStyles& value) = 0;
  virtual void Alignment(const char* key, TAlignment& value) = 0;
  virtual void MorphKind(const char* key, TMorphKind& value) = 0;
  virtual void InactiveEffect(const char* key, TInactiveEffect& value) = 0;
  virtual void Command(const char* key, TStdCommand& value) = 0;
  virtual void List(const char* key, std::vector<std::string>& value) = 0;
};

// Reads every visited field from one section, with the key's default.
class TIniFieldReader : public TSkinFieldVisitor {
 public:
  TIniFieldReader(const TSkinIni& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  bool Reading() const override { return true; }
  void Int(const char* key, int32_t& value, int32_t def) override;
  void Color(const char* key, TColor& value, TColor def = 0) override;
  void Bool(const char* key, bool& value) override;
  void Text(const char* key, std::string& value, const char* def = "") override;
  void Rect(const char* key, TRect& value) override;
  void Point(const char* key, TPoint& value) override;
  void FontStyle(const char* key, TFontStyles& value) override;
  void Alignment(const char* key, TAlignment& value) override;
  void MorphKind(const char* key, TMorphKind& value) override;
  void InactiveEffect(const char* key, TInactiveEffect& value) override;
  void Command(const char* key, TStdCommand& value) override;
  void List(const char* key, std::vector<std::string>& value) override;

 private:
  const TSkinIni& ini_;
  std::string section_;
};

// Writes every visited field into one section in its conventional form.
class TIniFieldWriter : public TSkinFieldVisitor {
 public:
  TIniFieldWriter(TSkinIni& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  bool Reading() const override { return false; }
  void Int(const char* key, int32_t& value, int32_t def) override;
  void Color(const char* key, TColor& value, TColor def = 0) override;
  void Bool(const char* key, bool& value) override;
  void Text(const char* key, std::string& value, const char* def = "") override;
  void Rect(const char* key, TRect& value) override;
  void Point(const char* key, TPoint& value) override;
  void FontStyle(const char* key, TFontStyles& value) override;
  void Alignment(const char* key, TAlignment& value) override;
  void MorphKind(const char* key, TMorphKind& value) override;
  void InactiveEffect(const char* key, TInactiveEffect& value) override;
  void Command(const char* key, TStdCommand& value) override;
  void List(const char* key, std::vector<std::string>& value) override;

 private:
  TSkinIni& ini_;
  std::string section_;
};

// A font as skins describe it: "<prefix>fontname", "fontheight",
// "fontstyle" (defaults "Arial", 14, none).
struct TSkinFont {
  std::string name = "Arial";
  int32_t height = 14;
  TFontStyles style;
};
void VisitFont(TSkinFieldVisitor& v, const char* prefix, TSkinFont& font);

// The four corner points that cut a picture into fixed corners and
// stretched or tiled edges.
struct TSkinCorners {
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
};
void VisitCorners(TSkinFieldVisitor& v, TSkinCorners& corners);

}  // namespace tavo::skin
