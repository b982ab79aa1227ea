#pragma once

// The About and settings form: what program, system and host the user runs, and the four
// feature switches, each taking effect the moment its box is changed. A model of the form:
// the face that displays it draws these controls into the window it handed over.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "about/form_controls.h"
#include "addin/connection.h"
#include "addin/features.h"
#include "host/os.h"
#include "host/window_system.h"

namespace tessaly::about {

class AboutFrm {
 public:
  // window may be 0 when nothing displays the form (the command line); on_unload runs once
  // when the form unloads itself.
  AboutFrm(const addin::Connection& connection, addin::Features& features, host::Os os,
           host::WindowHandle window, std::function<void()> on_unload = {});
  AboutFrm(const AboutFrm&) = delete;
  AboutFrm& operator=(const AboutFrm&) = delete;

  // Event handlers, as the form's controls raise them.
  void Form_Load();
  void Check1_MouseUp(std::int32_t Index, std::int32_t Button, std::int32_t Shift, float X,
                      float Y);
  void cmdOK_MouseDown(std::int32_t Button, std::int32_t Shift, float X, float Y);
  void Image1_Click(std::int32_t Index);

  // flag 0 keeps the window above all others, any other value ends that; place and size stay.
  void SetTopmost(host::WindowHandle window, std::int32_t flag);

  // What a user's click does. A hidden or disabled box takes no click; an enabled one
  // toggles (a ticked box clears, any other ticks) and then raises its mouse-up.
  void ClickCheck(std::int32_t index);
  void ClickOK(std::int32_t button = kLeftButton);
  // The window's close box: the form unloads as through its button.
  void Close();

  void Show();
  bool IsLoaded() const { return loaded_; }
  bool Topmost() const { return topmost_; }
  host::WindowHandle hWnd() const { return window_; }
  // Runs after each event or click that changed anything the form shows (a caption, value,
  // enabled or visible state, a place), so a face can redraw.
  void SetChangeListener(std::function<void()> listener) { on_change_ = std::move(listener); }

  std::u16string Caption;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool Visible = false;

  Label lblTitle;
  Label lblDescription;
  Label lblDisclaimer;
  Label lblVersion;
  std::array<CheckBox, 4> Check1;
  CommandButton cmdOK;
  std::array<Picture, 3> Image1;

 private:
  class ChangeScope;
  struct Shown;

  Shown WhatIsShown() const;
  void Unload();
  void PlaceOnScreen();
  void ReadSwitches();
  std::u16string TitleText();
  std::u16string DescriptionText() const;

  const addin::Connection& connection_;
  addin::Features& features_;
  host::Os os_;
  host::WindowHandle window_;
  std::function<void()> on_unload_;
  std::function<void()> on_change_;
  int change_depth_ = 0;
  // Where each picture stood at load, so a picture shown alone can go back.
  std::array<std::int32_t, 3> picture_lefts_{};
  bool loaded_ = false;
  bool topmost_ = false;
};

}  // namespace tessaly::about
