#pragma once
// The five standard o-ring cross-sections and the standard gland of each.

#include <array>
#include <optional>
#include <string_view>

namespace glandwise {

// One standard cross-section: how it is named on the selection screen and in the batch
// calculator, and the standard gland dimensions that go with it. Lengths in inch.
struct CrossSection {
  float value;                   // W when the option is chosen
  std::string_view text;         // the batch calculator's "cross_section" value, e.g. "0.070"
  std::string_view caption;      // the option's caption on the selection screen
  std::string_view optionName;   // the option's objectName
  std::string_view grooveWidth;  // GW: the recommended groove-width range
  float tolerance;               // WT: the cross-section's bilateral tolerance
  float eccentricity;            // ECC: the default machining eccentricity (TIR)
  double clearance;              // diametral clearance between rod and bore
  double grooveOffset;           // diametral offset from the typed diameter to the groove
  float grooveTolerance;         // GDTM and GDTF: the groove diameter's tolerance
};

inline constexpr std::array<CrossSection, 5> kCrossSections{{
    {.value = 0.07f, .text = "0.070", .caption = "0.070 Inch", .optionName = "opt007",
     .grooveWidth = "0.093 to  0.098", .tolerance = 0.003f, .eccentricity = 0.002f,
     .clearance = 0.0035, .grooveOffset = 0.102, .grooveTolerance = 0.001f},
    {.value = 0.103f, .text = "0.103", .caption = "0.103 Inch", .optionName = "opt103",
     .grooveWidth = "0.140 to 0.145", .tolerance = 0.003f, .eccentricity = 0.002f,
     .clearance = 0.0035, .grooveOffset = 0.164, .grooveTolerance = 0.001f},
    {.value = 0.139f, .text = "0.139", .caption = "0.139 Inch", .optionName = "opt139",
     .grooveWidth = "0.187 to 0.192", .tolerance = 0.004f, .eccentricity = 0.003f,
     .clearance = 0.0045, .grooveOffset = 0.224, .grooveTolerance = 0.001f},
    {.value = 0.21f, .text = "0.210", .caption = "0.210 Inch", .optionName = "opt210",
     .grooveWidth = "0.281 to 0.286", .tolerance = 0.005f, .eccentricity = 0.004f,
     .clearance = 0.0045, .grooveOffset = 0.343, .grooveTolerance = 0.002f},
    {.value = 0.275f, .text = "0.275", .caption = "0.275 Inch", .optionName = "opt275",
     .grooveWidth = "0.375 to 0.380", .tolerance = 0.006f, .eccentricity = 0.005f,
     .clearance = 0.0055, .grooveOffset = 0.455, .grooveTolerance = 0.002f},
}};

// The index of the standard cross-section whose value is exactly `w`, or nothing.
inline std::optional<int> standardCrossSectionIndex(float w) {
  for (std::size_t i = 0; i < kCrossSections.size(); ++i)
    if (kCrossSections[i].value == w) return static_cast<int>(i);
  return std::nullopt;
}

// The standard cross-section whose value is exactly `w`, or nullptr.
inline const CrossSection* standardCrossSection(float w) {
  const std::optional<int> index = standardCrossSectionIndex(w);
  return index ? &kCrossSections[static_cast<std::size_t>(*index)] : nullptr;
}

// The index of the cross-section named `text` (e.g. "0.139"), or nothing.
inline std::optional<int> crossSectionIndex(std::string_view text) {
  for (std::size_t i = 0; i < kCrossSections.size(); ++i)
    if (kCrossSections[i].text == text) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace glandwise
