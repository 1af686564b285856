// Loads arbitrary bytes as the settings file, saves the model into a fresh file and
// loads that again: the second model must equal the first in everything the file
// keeps, so that the file reaches its final form after one start of the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "fuzz_check.h"
#include "model/converter_model.h"
#include "model/profile_file.h"
#include "model/settings_file.h"
#include "model/user_messages.h"

namespace {

using quantivo::catalogue::UnitCatalogue;
using quantivo::fuzz::Check;
using quantivo::fuzz::Printable;
using quantivo::model::ConverterModel;
using quantivo::model::FontSpec;
using quantivo::model::ProfileFile;

class RecordedMessages : public quantivo::model::UserMessages {
 public:
  void ShowInformation(const quantivo::engine::Message& message) override {
    Information.push_back(quantivo::engine::EnglishText(message));
  }
  void ShowError(const quantivo::engine::Message& message) override {
    Errors.push_back(quantivo::engine::EnglishText(message));
  }
  std::vector<std::string> Information;
  std::vector<std::string> Errors;
};

// A model of its own catalogue, since sorting rebuilds the catalogue's tables.
struct LoadedModel {
  ConverterModel Model{UnitCatalogue(), quantivo::engine::NumberLocale{}};
  RecordedMessages Messages;

  explicit LoadedModel(std::string_view text) {
    ProfileFile file;
    file.LoadText(text);
    quantivo::model::LoadSettings(Model, file, Messages);
  }
};

std::string Describe(const FontSpec& font) {
  return "\"" + Printable(font.Name) + "\" " + std::to_string(font.Size) + " " +
         std::to_string(font.Color) + (font.Bold ? " bold" : "") + (font.Italic ? " italic" : "") +
         (font.Underline ? " underline" : "") + (font.StrikeOut ? " strikeout" : "");
}

void CheckSame(const ConverterModel& first, const ConverterModel& second) {
  Check(first.IndexTabs().size() == second.IndexTabs().size(), "tab count");
  for (std::size_t i = 0; i < first.IndexTabs().size(); ++i) {
    Check(first.IndexTabs()[i] == second.IndexTabs()[i], "tab caption " + std::to_string(i + 1),
          Printable(first.IndexTabs()[i]) + " | " + Printable(second.IndexTabs()[i]));
  }
  Check(first.TabIndex() == second.TabIndex(), "TabIndex");
  Check(first.SortedUnitLists() == second.SortedUnitLists(), "SortedUnitLists");
  Check(first.Format().View == second.Format().View, "ViewType");
  Check(first.Format().Precision == second.Format().Precision, "Precision");
  Check(first.Window().Window == second.Window().Window, "window bounds");
  Check(first.Window().MainFont == second.Window().MainFont, "main font",
        Describe(first.Window().MainFont) + " | " + Describe(second.Window().MainFont));
  Check(first.Window().TabFont == second.Window().TabFont, "tab font",
        Describe(first.Window().TabFont) + " | " + Describe(second.Window().TabFont));
  for (int i = 0; i < first.Catalogue().CategoryCount(); ++i) {
    const auto& a = first.ViewState(i);
    const auto& b = second.ViewState(i);
    const std::string which = "category " + std::to_string(i);
    // Fractions' input position is not in the file; both models start from the same
    // one and take the same steps, so it must agree all the same.
    Check(a.FormatIn == b.FormatIn, which + " FormatIn",
          std::to_string(a.FormatIn) + " | " + std::to_string(b.FormatIn));
    Check(a.FormatOut == b.FormatOut, which + " FormatOut",
          std::to_string(a.FormatOut) + " | " + std::to_string(b.FormatOut));
    Check(a.ValueIn == b.ValueIn, which + " ValueIn",
          Printable(a.ValueIn) + " | " + Printable(b.ValueIn));
  }
  // What the window shows follows from all of the above.
  Check(first.InputList().Selected == second.InputList().Selected, "input list selection");
  Check(first.OutputList().Selected == second.OutputList().Selected, "output list selection");
  Check(first.InputText() == second.InputText(), "input text");
  Check(first.Output() == second.Output(), "output");
  Check(first.InputListVisible() == second.InputListVisible(), "input list visibility");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const LoadedModel first(text);
  // A refused tab index is the only error a load reports.
  Check(first.Messages.Errors.size() <= 1, "at most one error per load");

  ProfileFile saved;
  quantivo::model::SaveSettings(first.Model, saved);
  const std::string savedText = saved.Text();
  const LoadedModel second(savedText);
  Check(second.Messages.Errors.empty() && second.Messages.Information.empty(),
        "a saved file loads without a message");
  CheckSame(first.Model, second.Model);

  // Saving the second model writes the same file again.
  ProfileFile again;
  quantivo::model::SaveSettings(second.Model, again);
  Check(again.Text() == savedText, "a second save writes the same file");
  return 0;
}
