#include "settings/conversion_settings.h"

#include "platform/clock.h"

namespace tavrosine {

void ResetSettingsToDefaults(ConversionSettings& settings, bool console_run) {
  const std::string path = settings.settings_file_path;
  settings = ConversionSettings{};
  settings.settings_file_path = path;
  settings.keep_aspect_ratio = console_run ? 0 : 1;
  settings.update_date = LocalNowSeconds();
  settings.file_timestamp_custom = settings.update_date;
}

}  // namespace tavrosine
