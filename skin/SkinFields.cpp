// The reading and writing field visitors.
#include "skin/SkinFields.h"

namespace tavo::skin {

void TIniFieldReader::Int(const char* key, int32_t& value, int32_t def) { value = ini_.ReadInteger(section_, key, def); }
void TIniFieldReader::Color(const char* key, TColor& value, TColor def) {
  value = static_cast<TColor>(ini_.ReadInteger(section_, key, static_cast<int32_t>(def)));
}
void TIniFieldReader::Bool(const char* key, bool& value) { value = ReadBoolean(ini_, section_, key); }
void TIniFieldReader::Text(const char* key, std::string& value, const char* def) {
  value = ini_.ReadString(section_, key, def);
}
void TIniFieldReader::Rect(const char* key, TRect& value) { value = ReadRect(ini_, section_, key); }
void TIniFieldReader::Point(const char* key, TPoint& value) { value = ReadPoint(ini_, section_, key); }
void TIniFieldReader::FontStyle(const char* key, TFontStyles& value) { value = ReadFontStyle(ini_, section_, key); }
void TIniFieldReader::Alignment(const char* key, TAlignment& value) { value = ReadAlignment(ini_, section_, key); }
void TIniFieldReader::MorphKind(const char* key, TMorphKind& value) { value = ReadMorphKind(ini_, section_, key); }
void TIniFieldReader::InactiveEffect(const char* key, TInactiveEffect& value) {
  value = ReadInactiveEffect(ini_, section_, key);
}
void TIniFieldReader::Command(const char* key, TStdCommand& value) { value = ReadCommand(ini_, section_, key); }
void TIniFieldReader::List(const char* key, std::vector<std::string>& value) { ReadList(ini_, section_, key, value); }

void TIniFieldWriter::Int(const char* key, int32_t& value, int32_t) { ini_.WriteInteger(section_, key, value); }
void TIniFieldWriter::Color(const char* key, TColor& value, TColor) {
  ini_.WriteInteger(section_, key, static_cast<int32_t>(value));
}
void TIniFieldWriter::Bool(const char* key, bool& value) { WriteBoolean(ini_, section_, key, value); }
void TIniFieldWriter::Text(const char* key, std::string& value, const char*) { ini_.WriteString(section_, key, value); }
void TIniFieldWriter::Rect(const char* key, TRect& value) { WriteRect(ini_, section_, key, value); }
void TIniFieldWriter::Point(const char* key, TPoint& value) { WritePoint(ini_, section_, key, value); }
void TIniFieldWriter::FontStyle(const char* key, TFontStyles& value) { WriteFontStyle(ini_, section_, key, value); }
void TIniFieldWriter::Alignment(const char* key, TAlignment& value) { WriteAlignment(ini_, section_, key, value); }
void TIniFieldWriter::MorphKind(const char* key, TMorphKind& value) { WriteMorphKind(ini_, section_, key, value); }
void TIniFieldWriter::InactiveEffect(const char* key, TInactiveEffect& value) {
  WriteInactiveEffect(ini_, section_, key, value);
}
void TIniFieldWriter::Command(const char* key, TStdCommand& value) { WriteCommand(ini_, section_, key, value); }
void TIniFieldWriter::List(const char* key, std::vector<std::string>& value) { WriteList(ini_, section_, key, value); }

void VisitFont(TSkinFieldVisitor& v, const char* prefix, TSkinFont& font) {
  const std::string p(prefix);
  v.Text((p + "fontname").c_str(), font.name, "Arial");
  v.Int((p + "fontheight").c_str(), font.height, 14);
  v.FontStyle((p + "fontstyle").c_str(), font.style);
}

void VisitCorners(TSkinFieldVisitor& v, TSkinCorners& c) {
  v.Point("lefttoppoint", c.lefttoppoint);
  v.Point("righttoppoint", c.righttoppoint);
  v.Point("leftbottompoint", c.leftbottompoint);
  v.Point("rightbottompoint", c.rightbottompoint);
}

}  // namespace tavo::skin
