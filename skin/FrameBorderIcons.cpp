// ApplyBorderIcons' decisions and the caption buttons' hint texts.
#include "skin/FrameBorderIcons.h"

#include "skin/ResourceStrData.h"

namespace tavo::skin {

TFrameIconSet TFrameIconSet::FromBits(uint8_t bits) {
  TFrameIconSet s;
  s.SystemMenu = bits & 1;
  s.Minimize = bits & 2;
  s.Maximize = bits & 4;
  s.RollUp = bits & 8;
  s.MinimizeToTray = bits & 16;
  return s;
}

bool TFrameIconSet::HasIconFor(TStdCommand command) const {
  switch (command) {
    case TStdCommand::cmMinimizeToTray: return MinimizeToTray;
    case TStdCommand::cmRollUp: return RollUp;
    case TStdCommand::cmMaximize: return Maximize;
    case TStdCommand::cmMinimize: return Minimize;
    case TStdCommand::cmSysMenu: return SystemMenu;
    case TStdCommand::cmClose:
    case TStdCommand::cmDefault: return true;
  }
  return true;
}

std::optional<TObjectShow> BorderIconShow(const TBorderIconObject& object, const TFrameIconSet& icons,
                                          bool hideCaptionButtons, const TActivateCustomObjectEvent& onActivate) {
  const bool stdButton = object.Kind == TFrameObjectKind::okStdButton;
  const bool animate = object.Kind == TFrameObjectKind::okAnimate;
  // Disabled so that nothing reacts; an image baked into the frame picture
  // stays on show.
  const TObjectShow hidden{false, !object.InAPicture};
  if (hideCaptionButtons) {
    if (stdButton || animate) return hidden;
    return std::nullopt;
  }
  if (!stdButton && !(animate && object.ButtonStyle)) return std::nullopt;
  if (object.Command == TStdCommand::cmDefault) {
    bool visible = false;
    if (onActivate) onActivate(object.IDName, visible);
    return TObjectShow{object.Enabled, visible};
  }
  if (!icons.HasIconFor(object.Command)) return hidden;
  return std::nullopt;
}

void ApplyBorderIcons(std::vector<TBorderIconObject>& objects, const TFrameIconSet& icons, bool hideCaptionButtons,
                      const TActivateCustomObjectEvent& onActivate) {
  for (TBorderIconObject& object : objects) {
    if (const auto show = BorderIconShow(object, icons, hideCaptionButtons, onActivate)) {
      object.Enabled = show->Enabled;
      object.Visible = show->Visible;
    }
  }
}

std::string ObjectHintResourceName(TStdCommand command) {
  switch (command) {
    case TStdCommand::cmClose: return "CLOSEBUTTON_HINT";
    case TStdCommand::cmMaximize: return "MAXBUTTON_HINT";
    case TStdCommand::cmMinimize: return "MINBUTTON_HINT";
    case TStdCommand::cmSysMenu: return "MENUBUTTON_HINT";
    case TStdCommand::cmRollUp: return "ROLLUPBUTTON_HINT";
    case TStdCommand::cmMinimizeToTray: return "TRAYBUTTON_HINT";
    case TStdCommand::cmDefault: return {};
  }
  return {};
}

std::string DefaultObjectHint(TStdCommand command) {
  switch (command) {
    case TStdCommand::cmClose: return "\xB9\xD8\xB1\xD5";                          // close
    case TStdCommand::cmMaximize: return "\xD7\xEE\xB4\xF3\xBB\xAF";               // maximize
    case TStdCommand::cmMinimize: return "\xD7\xEE\xD0\xA1\xBB\xAF";               // minimize
    case TStdCommand::cmSysMenu: return "\xCF\xB5\xCD\xB3\xB2\xCB\xB5\xA5";        // system menu
    case TStdCommand::cmRollUp: return "\xCF\xF2\xC9\xCF\xBE\xED\xC2\xA3";         // roll up
    case TStdCommand::cmMinimizeToTray:
      return "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCD\xBC\xB1\xEA";                   // minimize to tray
    case TStdCommand::cmDefault: return {};
  }
  return {};
}

std::string ObjectHintFor(TStdCommand command, const TResourceStrData* resources, const std::string& recordHint) {
  if (command == TStdCommand::cmDefault) return recordHint;
  if (resources != nullptr) return resources->GetResStr(ObjectHintResourceName(command));
  return DefaultObjectHint(command);
}

}  // namespace tavo::skin
