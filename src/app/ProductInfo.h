#pragma once

namespace ProductInfo {
inline constexpr const char *name = "Orvanta Game Client";
inline constexpr const char *shortName = "OVCL";
inline constexpr const char *version = "1.8.3";
} // namespace ProductInfo
