// Making the frame's objects and the operations over the whole list.
#include "skin/FrameObjects.h"

#include <algorithm>

namespace tavo::skin {

namespace {
constexpr double kMorphStep = 0.2;
// Ten steps of 0.2 do not add up to exactly 1 or 0 in binary floating
// point; a factor this close to an end is at the end, so that a transition
// takes five ticks and not six.
constexpr double kMorphEndSlack = 1e-9;

std::unique_ptr<TActiveSkinObject> ObjectFor(TFrameObjectHost& frame, TSkinData& data, TDataSkinObject& record) {
  // Menu records serve the menus, never the frame; the main menu bar
  // button derives from the standard button and must be tested first.
  if (dynamic_cast<TDataSkinMainMenuItem*>(&record) != nullptr || dynamic_cast<TDataSkinMenuItem*>(&record) != nullptr ||
      dynamic_cast<TDataSkinMainMenuBarButton*>(&record) != nullptr)
    return nullptr;
  if (auto* r = dynamic_cast<TDataSkinStdButton*>(&record)) return std::make_unique<TSkinStdButtonObject>(frame, data, *r);
  if (auto* r = dynamic_cast<TDataSkinButton*>(&record)) return std::make_unique<TSkinButtonObject>(frame, data, *r);
  if (auto* r = dynamic_cast<TDataSkinCaption*>(&record)) return std::make_unique<TSkinCaptionObject>(frame, data, *r);
  if (auto* r = dynamic_cast<TDataSkinAnimate*>(&record)) return std::make_unique<TSkinAnimateObject>(frame, data, *r);
  if (auto* r = dynamic_cast<TDataUserObject*>(&record)) return std::make_unique<TUserObject>(frame, data, *r);
  return nullptr;
}
}  // namespace

TActiveObjectList CreateSkinObjects(TFrameObjectHost& frame, TSkinData& data) {
  TActiveObjectList objects;
  if (data.IsEmpty) return objects;
  for (const auto& record : data.SkinObjects) {
    if (record == nullptr) continue;
    if (auto object = ObjectFor(frame, data, *record)) objects.push_back(std::move(object));
  }
  return objects;
}

TActiveObjectList CreateDefaultButtons(TFrameObjectHost& frame) {
  static const std::pair<TStdCommand, const char*> kButtons[] = {
      {TStdCommand::cmClose, "closebutton"},     {TStdCommand::cmMaximize, "maxbutton"},
      {TStdCommand::cmMinimize, "minbutton"},    {TStdCommand::cmRollUp, "rollupbutton"},
      {TStdCommand::cmSysMenu, "sysmenubutton"}, {TStdCommand::cmMinimizeToTray, "traybutton"},
  };
  TActiveObjectList objects;
  for (const auto& [command, name] : kButtons) objects.push_back(std::make_unique<TSkinStdButtonObject>(frame, command, name));
  return objects;
}

bool StepMorph(TActiveObjectList& objects, TFrameObjectHost& frame) {
  bool moved = false;
  for (auto& object : objects) {
    if (!object->Morphing || !object->NeedsMorphStep()) continue;
    double f = std::clamp(object->MorphFactor + (object->Active ? kMorphStep : -kMorphStep), 0.0, 1.0);
    if (f < kMorphEndSlack) f = 0;
    if (f > 1 - kMorphEndSlack) f = 1;
    object->MorphFactor = f;
    moved = true;
    frame.RedrawObject(*object);
  }
  if (!moved) frame.SetMorphTimer(false);
  return moved;
}

bool StepAnimation(TActiveObjectList& objects, TFrameObjectHost& frame) {
  bool found = false;
  for (auto& object : objects) {
    if (object->Kind() != TObjectKind::okAnimate || !object->Active) continue;
    found = true;
    static_cast<TSkinAnimateObject&>(*object).AnimationStep();
  }
  if (!found) frame.SetAnimationTimer(false);
  return found;
}

void SetCaptionActive(TActiveObjectList& objects, TFrameObjectHost& frame, bool repaint) {
  const bool active = frame.FormActive();
  for (auto& object : objects) {
    if (object->Kind() != TObjectKind::okCaption || object->Active == active) continue;
    object->Active = active;
    if (repaint) {
      frame.RequestNcPaint();
      if (object->Morphing) frame.SetMorphTimer(true);
    } else if (object->Morphing) {
      object->MorphFactor = active ? 1 : 0;
    }
    break;
  }
  frame.FireActivate(active);
}

void ResetHoverStates(TActiveObjectList& objects) {
  for (auto& object : objects) {
    switch (object->Kind()) {
      case TObjectKind::okCaption: break;
      case TObjectKind::okAnimate:
        object->MouseIn = false;
        object->Active = false;
        static_cast<TSkinAnimateObject&>(*object).FrameNumber = 1;
        break;
      default:
        object->MouseIn = false;
        object->Active = false;
        object->MorphFactor = 0;
        break;
    }
  }
}

TActiveSkinObject* FirstObjectOfKind(const TActiveObjectList& objects, TObjectKind kind) {
  for (const auto& object : objects)
    if (object->Kind() == kind) return object.get();
  return nullptr;
}

}  // namespace tavo::skin
