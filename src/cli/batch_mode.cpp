#include "batch_mode.h"

#include <cerrno>
#include <istream>
#include <ostream>
#include <string>

#include "cli_output.h"

namespace quantivo::cli {
namespace {

// FROM, TO and VALUE, after a CATEGORY field (which may be empty) when there are
// three tabs or more; everything after the last field's tab is the value. False for
// a line of fewer than three fields. The request's views point into the line.
bool ReadBatchLine(std::string_view text, RequestWords& request) {
  std::string_view fields[4];
  std::size_t count = 0;
  for (; count < 3; ++count) {
    const std::size_t tab = text.find('\t');
    if (tab == text.npos) break;
    fields[count] = text.substr(0, tab);
    text.remove_prefix(tab + 1);
  }
  fields[count] = text;
  if (count < 2) return false;
  const std::size_t first = count == 3 ? 1 : 0;
  request.HasCategory = count == 3 && !fields[0].empty();
  request.Category = count == 3 ? fields[0] : std::string_view{};
  request.Parts[0] = {fields[first + 2], fields[first]};
  request.To = fields[first + 1];
  return true;
}

}  // namespace

int RunBatch(const Converter& converter, bool verbose, std::istream& in, std::ostream& out,
             std::ostream& err) {
  int status = 0;
  std::string line;
  std::string result;
  RequestWords request;  // its views point into the line in hand
  request.Parts.resize(1);
  Resolved resolved;
  long long lineNumber = 0;
  for (;;) {
    errno = 0;
    if (!std::getline(in, line)) break;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ReadBatchLine(line, request)) {
      err << kProgram << ": line " << lineNumber
          << ": expected [CATEGORY<TAB>]FROM<TAB>TO<TAB>VALUE\n";
      status = WorseStatus(status, kUsageError);
      result.clear();
    } else {
      status = WorseStatus(
          status, ConvertOne(converter, request, verbose, lineNumber, resolved, result, err));
    }
    errno = 0;
    out << result << '\n';
    if (out && in.rdbuf()->in_avail() <= 0) out.flush();
    if (!out) return ReportIoError(err, "writing standard output", errno);
  }
  // A read error is told from the end of input.
  if (in.bad()) {
    ReportIoError(err, "reading standard input", errno);
    status = kIoError;
  }
  errno = 0;
  return FinishOutput(out, err, status);
}

}  // namespace quantivo::cli
