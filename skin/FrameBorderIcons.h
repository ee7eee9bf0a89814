// Which caption buttons a frame shows for its BorderIcons and
// HideCaptionButtons, and the hints the buttons carry by their command.
// Portable: the Win32 frame copies its objects' flags in and out.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/FrameLayout.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

class TResourceStrData;

// The border icons, as the bits 1 (system menu), 2 (minimize), 4
// (maximize), 8 (roll up) and 16 (minimize to tray) store them.
struct TFrameIconSet {
  bool SystemMenu = true, Minimize = true, Maximize = true, RollUp = true, MinimizeToTray = false;
  static TFrameIconSet FromBits(uint8_t bits);
  // Whether the icon a command needs is in the set; close and the default
  // command need none.
  bool HasIconFor(TStdCommand command) const;
};

// One object's part in ApplyBorderIcons.
struct TBorderIconObject {
  TFrameObjectKind Kind = TFrameObjectKind::okStdButton;
  TStdCommand Command = TStdCommand::cmDefault;  // standard buttons and animate objects
  bool InAPicture = false;
  bool ButtonStyle = false;  // animate objects
  std::string IDName;
  bool Enabled = true;
  bool Visible = true;
};

// OnActivateCustomObject: the application decides whether an object with
// the default command shows (visible starts false).
using TActivateCustomObjectEvent = std::function<void(const std::string& idName, bool& objectVisible)>;

struct TObjectShow {
  bool Enabled = true;
  bool Visible = true;
};

// The flags one object gets, or nullopt when it is left alone. With
// hideCaptionButtons every standard button and animate object is disabled
// and stays visible only when its image is part of the frame picture (not
// in-a-picture). Otherwise standard buttons and button-style animate
// objects: the default command asks OnActivateCustomObject for its
// visibility (enabled unchanged); any other command whose icon is missing
// is hidden that way; close is never hidden.
std::optional<TObjectShow> BorderIconShow(const TBorderIconObject& object, const TFrameIconSet& icons,
                                          bool hideCaptionButtons, const TActivateCustomObjectEvent& onActivate);

// BorderIconShow applied to every object of a list.
void ApplyBorderIcons(std::vector<TBorderIconObject>& objects, const TFrameIconSet& icons, bool hideCaptionButtons,
                      const TActivateCustomObjectEvent& onActivate);

// The resource string name of a command's hint ("CLOSEBUTTON_HINT", ...);
// empty for the default command.
std::string ObjectHintResourceName(TStdCommand command);
// The built-in hint of a command in code page 936 ("关闭", "最大化", ...);
// empty for the default command.
std::string DefaultObjectHint(TStdCommand command);
// The hint a standard button or animate object gets by its command: from
// the resource strings when given, else the built-in text. The default
// command keeps the record's hint.
std::string ObjectHintFor(TStdCommand command, const TResourceStrData* resources, const std::string& recordHint);

}  // namespace tavo::skin
