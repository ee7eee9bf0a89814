// The frame's object list and what the frame does over all of it: making
// the objects from a skin's records or the six default buttons, the morph
// and animation ticks, the caption's activation and the hover reset.
// Portable; include this one header for every object class.
#pragma once

#include <memory>
#include <vector>

#include "skin/ActiveSkinObject.h"
#include "skin/SkinAnimateObject.h"
#include "skin/SkinButtonObject.h"
#include "skin/SkinCaptionObject.h"

namespace tavo::skin {

// The intervals of the frame's two object timers.
constexpr unsigned kMorphTimerInterval = 20;      // ms, one StepMorph
constexpr unsigned kAnimationTimerInterval = 25;  // ms, one StepAnimation

// The objects in creation order; the frame owns them.
using TActiveObjectList = std::vector<std::unique_ptr<TActiveSkinObject>>;

// One object per usable record of the skin's [SKINOBJECTS], in record
// order: menu item, main menu bar item and main menu bar button records
// give none. An empty skin gives none.
TActiveObjectList CreateSkinObjects(TFrameObjectHost& frame, TSkinData& data);

// The six default buttons of plain mode: close "closebutton", maximize
// "maxbutton", minimize "minbutton", roll up "rollupbutton", system menu
// "sysmenubutton", minimize to tray "traybutton".
TActiveObjectList CreateDefaultButtons(TFrameObjectHost& frame);

// One morph tick (20 ms): every morphing object that needs a step moves
// its factor by 0.2 towards its active flag and is redrawn. Returns whether
// any moved; when none did the morph timer is stopped.
bool StepMorph(TActiveObjectList& objects, TFrameObjectHost& frame);

// One animation tick (25 ms) over the active animations. Returns whether
// any was active; when none was the animation timer is stopped.
bool StepAnimation(TActiveObjectList& objects, TFrameObjectHost& frame);

// The first caption whose active flag differs from the form's activity
// takes it: with repaint the non-client area is repainted (and a morphing
// caption starts the morph timer), without it a morphing caption jumps to
// its end. OnActivate or OnDeActivate fires on every call.
void SetCaptionActive(TActiveObjectList& objects, TFrameObjectHost& frame, bool repaint);

// Clears the hover state of every object but the captions: animations go
// back to frame 1, the others to morph factor 0. Redraws nothing.
void ResetHoverStates(TActiveObjectList& objects);

// The first object of a kind, or null.
TActiveSkinObject* FirstObjectOfKind(const TActiveObjectList& objects, TObjectKind kind);

}  // namespace tavo::skin
