#include "cli_catalogue.h"

#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

#include "cli_output.h"
#include "engine/message.h"
#include "model/custom_units_file.h"
#include "model/user_messages.h"

namespace quantivo::cli {
namespace {

// The units file's messages on standard error, a line each as every message is.
class ErrorStreamMessages final : public model::UserMessages {
 public:
  explicit ErrorStreamMessages(std::ostream& err) : m_err(err) {}

  void ShowInformation(const engine::Message& message) override { Write(message); }
  void ShowError(const engine::Message& message) override { Write(message); }

 private:
  void Write(const engine::Message& message) {
    const std::string text = engine::EnglishText(message);
    std::string_view rest = text;
    for (;;) {
      const std::size_t end = rest.find('\n');
      m_err << kProgram << ": " << Printable(rest.substr(0, end)) << '\n';
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }

  std::ostream& m_err;
};

}  // namespace

catalogue::UnitCatalogue MakeCatalogue(const Options& options, const std::string& unitsPath,
                                       std::ostream& err) {
  catalogue::UnitCatalogue catalogue;
  if (!options.NoCustomUnits && !unitsPath.empty()) {
    if (options.Verbose) {
      std::error_code error;
      const bool missing = !std::filesystem::exists(unitsPath, error) && !error;
      err << kProgram << (missing ? ": no units file at " : ": units of your own from ")
          << Printable(unitsPath) << '\n';
    }
    ErrorStreamMessages messages(err);
    catalogue.SetCustomUnits(model::LoadCustomUnitsFile(unitsPath, catalogue, messages));
  }
  // The user's units are sorted among themselves, after the table's.
  if (options.Sorted) catalogue.SortUnitTables();
  return catalogue;
}

}  // namespace quantivo::cli
