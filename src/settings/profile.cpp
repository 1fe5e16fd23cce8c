#include "settings/profile.h"

#include "app/text.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"

namespace tavrosine {

bool ApplyProfile(const std::string& path, ConversionSettings& settings) {
  if (path.empty()) return false;
  const std::optional<IniFile> ini = IniFile::Load(path);
  if (!ini) return false;
  if (const IniFile::Group* group = ini->FindGroup("CLI")) {
    for (const IniFile::Entry& entry : group->entries) {
      const SettingRow* row = FindOption(ToUpperAscii(entry.key), OptionSource::kProfile);
      if (row != nullptr) ApplyOptionValue(settings, *row, entry.value, OptionSource::kProfile);
    }
  }
  return true;
}

}  // namespace tavrosine
