#pragma once

#include <string_view>

namespace tavrosine {

// The vendor's web server and the banner texts of a console run.
inline constexpr std::string_view kVendorHost = "www.quorvane.example";
inline constexpr std::string_view kVendorWebAddress = "https://www.quorvane.example/tavro/";
inline constexpr std::string_view kBannerNotice = "Copyright (C) 2026 Quorvane. All rights reserved.";

}  // namespace tavrosine
