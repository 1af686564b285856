#pragma once

#include <string>
#include <vector>

#include "engine/message.h"
#include "model/user_messages.h"

namespace quantivo::test {

/// Keeps messages, in English, instead of showing them: information and errors each in
/// a list of their own, and every message in the order it came in Shown. `Messages` is the
/// interface to record, UserMessages or one derived from it.
template <typename Messages>
class Recording : public Messages {
 public:
  void ShowInformation(const engine::Message& message) override {
    Information.push_back(engine::EnglishText(message));
    Shown.push_back(Information.back());
  }
  void ShowError(const engine::Message& message) override {
    Errors.push_back(engine::EnglishText(message));
    Shown.push_back(Errors.back());
  }
  std::vector<std::string> Information;
  std::vector<std::string> Errors;
  std::vector<std::string> Shown;
};

/// The settings file's messages.
using RecordedMessages = Recording<model::UserMessages>;

}  // namespace quantivo::test
