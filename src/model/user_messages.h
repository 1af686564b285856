#pragma once

#include "engine/message.h"

namespace quantivo::model {

/// Messages to the user from the settings file, as codes. The window shows them in
/// message boxes in its language; tests record them.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  /// An information box titled "Information", with the information sound.
  virtual void ShowInformation(const engine::Message& message) = 0;
  /// An error box with the message.
  virtual void ShowError(const engine::Message& message) = 0;
};

}  // namespace quantivo::model
