#pragma once

#include <string_view>

#include "model/user_messages.h"

namespace quantivo::ui {

/// Everything the window tells the user in a box: the settings file's messages and
/// the refusals of commands. Tests record them instead of showing boxes.
class WindowMessages : public model::UserMessages {
 public:
  /// A refused command: the error sound, then a box captioned "Error" with the error
  /// icon and one OK button.
  virtual void ShowCommandError(std::string_view text) = 0;
  /// A warning: the warning sound, then a box captioned "Warning" with the warning
  /// icon and one OK button.
  virtual void ShowWarning(std::string_view text) = 0;
};

/// The real boxes, modal over the active window.
class MessageBoxes : public WindowMessages {
 public:
  void ShowInformation(std::string_view text) override;
  void ShowError(std::string_view text) override;
  void ShowCommandError(std::string_view text) override;
  void ShowWarning(std::string_view text) override;
};

}  // namespace quantivo::ui
