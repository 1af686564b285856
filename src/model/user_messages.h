#pragma once

#include <string_view>

namespace quantivo::model {

/// Messages to the user from the settings file. The window shows them in message
/// boxes; tests record them.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  /// An information box titled "Information", with the information sound.
  virtual void ShowInformation(std::string_view text) = 0;
  /// An error box with the text.
  virtual void ShowError(std::string_view text) = 0;
};

}  // namespace quantivo::model
