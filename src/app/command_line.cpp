#include "app/command_line.h"

#include "app/help_text.h"
#include "app/messages.h"
#include "app/text.h"
#include "app/vendor.h"
#include "engine/console_batch.h"
#include "platform/console.h"
#include "settings/conversion_settings.h"
#include "settings/job_state.h"
#include "settings/profile.h"
#include "settings/settings_table.h"

namespace tavrosine {
namespace {

constexpr std::string_view kWrongParameters = "Incorrect number of parameters";

struct ParsedCommandLine {
  ConversionSettings settings;
  JobState job = MakeResetJobState();
  bool quiet = false;
  bool pause = false;
  std::string error;
};

// A value for -i, -o or -c: the next parameter in the short form (consumed), the text
// after "=" in the long form. Empty, or beginning with "-", is no value.
std::optional<std::string> PathValue(const std::vector<std::string>& args, size_t& i) {
  const bool short_form = !StartsWith(OptionName(args, i), "--");
  const std::string value = short_form ? OptionValue(args, ++i) : OptionValue(args, i);
  if (value.empty() || value.front() == '-') return std::nullopt;
  return value;
}

// A value after "=": non-empty and not beginning with "--" (so --brightness=-40 works).
std::optional<std::string> LongValue(const std::vector<std::string>& args, size_t i) {
  const std::string value = OptionValue(args, i);
  if (value.empty() || StartsWith(value, "--")) return std::nullopt;
  return value;
}

// Walks the parameters in order; the first error ends the walk.
ParsedCommandLine ParseParameters(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  ResetSettingsToDefaults(parsed.settings, /*console_run=*/true);
  JobState& job = parsed.job;
  for (size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string name = OptionName(args, i);
    if (name == "-I" || name == "--INPUT") {
      job.console_run = true;
      const auto value = PathValue(args, i);
      value ? void(job.input_argument = *value) : void(parsed.error = kWrongParameters);
    } else if (name == "-O" || name == "--OUTPUT") {
      const auto value = PathValue(args, i);
      value ? void(job.output_folder = *value) : void(parsed.error = kWrongParameters);
    } else if (name == "-C" || name == "--CONVERSION") {
      const auto value = PathValue(args, i);
      value ? void(job.output_extension = *value) : void(parsed.error = kWrongParameters);
    } else if (name == "-D" || name == "--DEBUG") {
      job.debug = "DEBUG";
    } else if (name == "-Q" || name == "--QUIET") {
      parsed.quiet = true;
    } else if (name == "-P" || name == "--PAUSE") {
      parsed.pause = true;
    } else if (name == "--PROFILE") {
      const auto value = LongValue(args, i);
      if (!value) {
        parsed.error = kWrongParameters;
      } else if (!ApplyProfile(*value, parsed.settings)) {
        parsed.error = "Invalid profile file";
      }
    } else if (const SettingRow* row = FindOption(name, OptionSource::kCommandLine)) {
      if (row->kind == ValueKind::kFlag) {
        ApplyOptionValue(parsed.settings, *row, {}, OptionSource::kCommandLine);
      } else if (const auto value = LongValue(args, i)) {
        ApplyOptionValue(parsed.settings, *row, *value, OptionSource::kCommandLine);
      } else {
        parsed.error = kWrongParameters;
      }
    }
  }
  return parsed;
}

}  // namespace

std::string OptionName(const std::vector<std::string>& args, size_t i) {
  if (i >= args.size()) return {};
  const std::string_view text = TrimSpaces(args[i]);
  if (StartsWith(text, "--")) return ToUpperAscii(text.substr(0, text.find('=')));
  if (StartsWith(text, "-")) return ToUpperAscii(text);
  return {};
}

std::string OptionValue(const std::vector<std::string>& args, size_t i) {
  if (i >= args.size()) return {};
  const std::string_view text = TrimSpaces(args[i]);
  const size_t equals = text.find('=');
  if (StartsWith(text, "--") && equals != std::string_view::npos) {
    return std::string(text.substr(equals + 1));
  }
  return std::string(text);
}

std::optional<int> RunConsoleFrontEnd(const std::vector<std::string>& args,
                                      const std::string& program_name, BatchCounters& counters,
                                      ConsoleOutput& console) {
  if (args.empty()) return std::nullopt;

  // Commands recognised only as the first parameter.
  const std::string first = OptionName(args, 0);
  if (first == "-V" || first == "--VERSION") {
    SetConsoleTitle(TitleText());
    console.Line(VersionText(kVersionNumber));
    return kExitSuccess;
  }
  if (first == "-H" || first == "-?" || first == "--HELP") {
    SetConsoleTitle(TitleText());
    for (const std::string& line : HelpLines(program_name)) console.Line(line);
    return kExitSuccess;
  }

  ParsedCommandLine parsed = ParseParameters(args);
  if (!parsed.error.empty()) {
    SetConsoleTitle(TitleText());
    console.Line("Error: " + parsed.error);
    if (parsed.pause) WaitForKey();
    return kExitNotStarted;
  }
  if (!parsed.job.console_run) return std::nullopt;

  SetConsoleTitle(TitleText());
  if (!parsed.quiet) {
    console.Line(TitleText());
    console.Line(kBannerNotice);
    console.Line(kVendorWebAddress);
    console.Line(" ");
  }
  const int exit_code =
      RunConsoleBatch(parsed.settings, parsed.job, parsed.quiet, counters, console);
  if (parsed.pause) {
    console.Line("Press any key to exit.");
    WaitForKey();
  }
  return exit_code;
}

}  // namespace tavrosine
