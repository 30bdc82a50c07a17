#pragma once
// The face seal's shipped data: the published gland table and the design rules, read
// together from share/glandwise beside the program.

#include <filesystem>
#include <optional>
#include <string>

#include "face/face_rules.h"
#include "face/face_table.h"

namespace glandwise {

inline constexpr const char* kFaceTableFile = "face-seal-glands.csv";
inline constexpr const char* kFaceRulesFile = "face-seal-rules.csv";

struct FaceData {
  FaceGlandTable table;
  FaceRules rules;
};

struct FaceDataLoad {
  std::optional<FaceData> data;
  std::string error;  // why it could not be read; empty when it was
};

// Reads both files from `folder`.
FaceDataLoad loadFaceData(const std::filesystem::path& folder);

// The folder of the shipped data for a program at `executable`.
inline std::filesystem::path shippedDataFolder(const std::filesystem::path& executable) {
  return shippedDataPath(executable, "");
}

}  // namespace glandwise
