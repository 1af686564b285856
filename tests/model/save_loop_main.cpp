// Saves the settings file over and over until it is killed, alternating two versions,
// for the tests that kill a save part-way.
//
//     quantivo_save_loop PATH          save versions 1, 0, 1, 0, ... to PATH, writing
//                                      one byte to standard output after each save
//     quantivo_save_loop PATH VERSION  save that version (0 or 1) once and exit

#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "model/converter_model.h"
#include "model/settings_file.h"
#include "model/user_messages.h"

namespace {

using quantivo::catalogue::UnitCatalogue;
using quantivo::model::ConverterModel;

class StandardErrorMessages : public quantivo::model::UserMessages {
 public:
  void ShowInformation(const quantivo::engine::Message& message) override { Print(message); }
  void ShowError(const quantivo::engine::Message& message) override { Print(message); }

 private:
  static void Print(const quantivo::engine::Message& message) {
    std::fprintf(stderr, "%s\n", quantivo::engine::EnglishText(message).c_str());
  }
};

// Version 0 makes a file of about 2 kB, version 1 one of about 25 kB, so that a file
// cut short or put together from both cannot pass for either.
void ApplyVersion(ConverterModel& model, int version) {
  model.SelectTab(version == 0 ? 0 : 5);
  model.SetFormat({version == 0 ? quantivo::engine::ViewType::AutoFormat
                                : quantivo::engine::ViewType::Scientific,
                   version == 0 ? 4 : 9});
  quantivo::model::WindowBounds bounds = model.Window().Window;
  bounds.FormTop = version == 0 ? 10 : 200;
  model.SetWindowBounds(bounds, model.Window().TableWindow);
  for (int category = 0; category < model.Catalogue().CategoryCount(); ++category) {
    const char digit = static_cast<char>('0' + category % 10);
    model.SetViewState(category, {version, version + 1,
                                  version == 0 ? std::string(1, digit) : std::string(1000, digit)});
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s PATH [VERSION]\n", argv[0]);
    return 2;
  }
  const std::string path = argv[1];
  ConverterModel model(UnitCatalogue(), quantivo::engine::NumberLocale{});
  StandardErrorMessages messages;
  if (argc == 3) {
    ApplyVersion(model, std::string_view(argv[2]) == "1" ? 1 : 0);
    return quantivo::model::SaveSettingsFile(model, path, messages) ? 0 : 1;
  }
  for (long round = 0;; ++round) {
    ApplyVersion(model, round % 2 == 0 ? 1 : 0);
    if (!quantivo::model::SaveSettingsFile(model, path, messages)) return 1;
    if (::write(STDOUT_FILENO, "S", 1) != 1) return 1;
  }
}
