#pragma once

#include <QString>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/message_boxes.h"

// Failures show the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}

namespace quantivo::ui {

/// Every box the window would show, in order, with its kind.
class RecordedMessages : public WindowMessages {
 public:
  void ShowInformation(std::string_view text) override { Shown.emplace_back(text); }
  void ShowError(std::string_view text) override { Shown.emplace_back(text); }
  void ShowCommandError(std::string_view text) override {
    Shown.push_back("Error: " + std::string(text));
  }
  void ShowWarning(std::string_view text) override {
    Shown.push_back("Warning: " + std::string(text));
  }
  std::vector<std::string> Shown;
};

}  // namespace quantivo::ui
