#pragma once
// The shipped tables the face seal tests work with, loaded once.

#include "face/face_data.h"
#include "model/as568.h"

namespace glandwise::test {

inline const FaceData& faceData() {
  static const FaceGlandTableLoad table = FaceGlandTable::load(GLANDWISE_DATA_DIR "/face-seal-glands.csv");
  static const RuleLoad rules = RuleSet::load(GLANDWISE_DATA_DIR "/review-rules.csv");
  static const FaceData data{*table.table, *rules.rules};
  return data;
}

inline const As568Table& as568Table() {
  static const As568Load load = As568Table::load(GLANDWISE_DATA_DIR "/as568.csv");
  return *load.table;
}

}  // namespace glandwise::test
