#pragma once
// The face seal as a person enters it — on the designer's screen or as a batch line —
// and how it becomes a gland: the ring from its cross-section and inside diameter (or an
// AS568 size), the pressure direction, the medium, the pressure, then the standard groove
// with whatever boxes were retyped. Every box that cannot be used says why.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "face/face_data.h"
#include "face/face_gland.h"
#include "model/as568.h"

namespace glandwise {

// The boxes that take a typed number, in the order they are read.
enum class FaceBox { SealId, Pressure, Datum, DatumTolerance, Depth, DepthTolerance, Width, WidthTolerance, Count };
inline constexpr std::size_t kFaceBoxCount = static_cast<std::size_t>(FaceBox::Count);

// The groove's boxes besides the datum, which edits retype: FaceBox::DatumTolerance on.
inline constexpr std::size_t kFaceEditCount = kFaceBoxCount - static_cast<std::size_t>(FaceBox::DatumTolerance);
inline constexpr FaceBox faceEditBox(std::size_t edit) {
  return static_cast<FaceBox>(edit + static_cast<std::size_t>(FaceBox::DatumTolerance));
}
// The batch line's names of the edits: "datum_tol", "depth", "depth_tol", "width", "width_tol".
extern const std::array<std::string_view, kFaceEditCount> kFaceEditNames;

// The entries as typed. An absent option is not chosen; an absent datum or edit is the
// standard groove's.
struct FaceForm {
  std::optional<int> crossSection;   // index into kCrossSections
  std::string sealId = "0";          // inch
  std::optional<std::string> as568;  // a dash number standing in for both
  std::optional<PressureFrom> pressureFrom;
  std::optional<FaceMedium> medium;
  std::string pressure = "1";        // psi
  std::optional<std::string> datum;  // the groove OD (inside) or ID (outside), inch
  std::array<std::optional<std::string>, kFaceEditCount> edits;

  std::optional<std::string>& edit(FaceBox box) {
    return edits[static_cast<std::size_t>(box) - static_cast<std::size_t>(FaceBox::DatumTolerance)];
  }
};

// What the entries come to.
struct FaceDesign {
  std::string refusal;  // the first reason the entries cannot be used, as a sentence; empty when usable
  std::array<std::string, kFaceBoxCount> problems;  // each box's reason; empty when it is fine
  std::optional<FaceGroove> standard;               // the standard groove, once ring, direction and medium are known
  std::optional<FaceGland> gland;                   // the gland, when every entry is usable
};

// Reads the entries: the AS568 size (refused as the selection screen refuses it), the
// options, every box with the one number parser, then the ranges and the groove's
// geometry (a bottom radius that does not fit).
FaceDesign designFace(const FaceForm& form, const FaceData& data, const As568Table* as568);

// The texts the groove's boxes show for `groove`.
std::array<std::string, kFaceBoxCount> faceGrooveTexts(const FaceGroove& groove);

}  // namespace glandwise
