#pragma once

#include <string_view>

#include "engine/message.h"
#include "model/user_messages.h"

namespace quantivo::ui {

/// Everything the window tells the user in a box: the settings file's messages and
/// the refusals of commands. Tests record them instead of showing boxes.
class WindowMessages : public model::UserMessages {
 public:
  /// A refused command: the error sound, then a box captioned "Error" with the error
  /// icon and one OK button.
  virtual void ShowCommandError(const engine::Message& message) = 0;
  /// A warning: the warning sound, then a box captioned "Warning" with the warning
  /// icon and one OK button.
  virtual void ShowWarning(const engine::Message& message) = 0;
  /// A failure nobody foresaw, in the words of the library that raised it (an
  /// exception's text): an error box as ShowError gives, the text as it is.
  virtual void ShowUnexpectedError(std::string_view text) = 0;
};

/// The real boxes, modal over the active window.
class MessageBoxes : public WindowMessages {
 public:
  void ShowInformation(const engine::Message& message) override;
  void ShowError(const engine::Message& message) override;
  void ShowCommandError(const engine::Message& message) override;
  void ShowWarning(const engine::Message& message) override;
  void ShowUnexpectedError(std::string_view text) override;
};

}  // namespace quantivo::ui
