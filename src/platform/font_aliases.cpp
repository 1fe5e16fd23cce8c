#include "platform/font_aliases.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace tavrosine {
namespace {

// The families the configuration puts in a name's place, in preference order.
std::vector<std::string> SubstitutedFamilies(const std::string& face) {
  std::vector<std::string> families;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return families;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
    families.emplace_back(reinterpret_cast<const char*>(family));
  }
  FcPatternDestroy(pattern);
  return families;
}

}  // namespace

std::vector<std::string> ConfiguredFaceAliases(const std::string& face) {
  std::vector<std::string> families = SubstitutedFamilies(face);
  if (families.empty()) return {face};
  // After a name's own aliases the configuration appends a generic fallback list (the
  // sans-serif one for names it has never heard of). Cut where the first one begins,
  // recognised by its first few families in order, to keep what is specific to `face`.
  auto cut = families.end();
  for (const char* generic : {"sans-serif", "serif", "monospace"}) {
    std::vector<std::string> fallback = SubstitutedFamilies(generic);
    std::erase(fallback, generic);
    if (fallback.empty()) continue;
    const size_t window = std::min<size_t>(3, fallback.size());
    const auto at = std::search(families.begin() + 1, families.end(), fallback.begin(),
                                fallback.begin() + static_cast<std::ptrdiff_t>(window));
    if (at < cut) cut = at;
  }
  families.erase(cut, families.end());
  return families;
}

}  // namespace tavrosine
