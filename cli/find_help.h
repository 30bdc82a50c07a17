#pragma once
// The batch calculator's help on find lines, after the rest of --help.

namespace glandwise::calc {

inline constexpr const char* kFindHelp = R"(
FIND A SEAL
  A line {"find": {...}} asks which AS568 size and standard groove suit the hardware,
  rather than analysing one gland. Its fields:
    "gland"          "rod" (groove in the rod) or "housing" (groove in the housing)
    "bore" or "rod"  the fixed diameter, inch: the housing bore with "rod", the rod with
                     "housing" (a text as typed, or a number)
    "tolerance"      its ± tolerance, inch (default: the standard gland's)
    "pressure"       psi (a text as typed, or a number)
    the review's inputs, by the names of "review" above ("hardness", "temp_min_f", ...)
    "cross_sections" the allowed ones, e.g. ["0.139", "0.210"] (default: all five)
    "largest_groove_width", "largest_radial_space" (the groove's depth at its deepest),
    "smallest_seal_id", "largest_seal_id"   inch (default: no limit)
    "top"            how many candidates to write, best first (default 10)
    "tolerances"     true: every candidate written gets the widest groove and mating
                     diameter tolerances of the ladder 0.0005, 0.001, 0.002, 0.003, 0.005
                     inch that keep its gland from failing and its yield at least at
                     "target_yield_percent" (default 99.73), widest first
  Every AS568 size with one of the five cross-sections whose standard gland the selection
  screen and the editor accept for the hardware (the editor's questions answered No, and
  listed) is reviewed by the rules (--rules) and ranked: no fail first, then by yield (the
  share of the review's Monte Carlo assemblies inside the squeeze limits), then by margin
  (the smallest distance of a judged figure from its limit, as a share of the band between
  its limits); ties by the larger cross-section, then the smaller step from the hardware
  diameter to the seal ID. A size whose groove cannot hold the review's inputs (a groove
  radius too large for it) is left out.
  "gland": "face" asks for a face (axial) gland instead, with "pressure_from" ("inside" or
  "outside"), "medium" ("liquid" or "gas"), the datum "groove_od" (from inside) or
  "groove_id" (from outside), "pressure", and optionally "largest_groove_width" (inch),
  "cross_sections", "top" and the face review's inputs by the names of a face line's
  "review". The sizes whose ring fits the datum within the face seal's fit limit are
  reviewed in their standard face groove and ranked the same way; each candidate gives
  "rank", "as568", "cross_section",
  "seal_id", "datum", "depth", "groove_width", "squeeze_min_percent" (LMC),
  "squeeze_max_percent" (MMC), "fill_percent" (MMC), "fit_percent", "yield_percent",
  "margin_percent", "limiting", "verdict", "why".
  e.g. echo '{"find": {"gland": "face", "pressure_from": "inside", "medium": "gas", "groove_od": 2.482, "pressure": 500, "top": 2}}' | glandwise-calc
  {"outcome":"found","line":1,"gland":"face","pressure_from":"inside","medium":"gas",
   "groove_od":2.482,"candidates":[{"rank":1,"as568":"-330","cross_section":0.21,
   "seal_id":2.1,"datum":2.482,"depth":0.157,"groove_width":0.2415,...,"fill_percent":103.1,
   "fit_percent":1.50793,"yield_percent":100,"margin_percent":12.2622,
   "limiting":"squeeze 29.3 % at MMC","verdict":"pass",...},{"rank":2,"as568":"-228",...}]}
  A find line gives one object:
    {"outcome": "found", "line": N, "gland", "bore" or "rod", "candidates": [{"rank",
     "as568", "cross_section", "seal_id", "groove_diameter", "groove_tolerance",
     "groove_width", "squeeze_min_percent", "squeeze_max_percent" (worst-case eccentric),
     "fill_percent" (at MMC), "clearance" (largest diametral), "yield_percent",
     "margin_percent", "limiting" (the figure nearest its limit), "verdict", "why",
     "editor_cautions", "input" (the gland as a line of its own), "tolerances"}, ...],
     "reason": why there is no candidate (only then)}
  With --format csv: a header row of those columns, then a row per candidate (a row with
  the reason as its message when there is none); --fields does not apply to find lines.
  e.g. echo '{"find": {"gland": "rod", "bore": "2.000", "pressure": "1000", "temp_min_f": -20, "temp_max_f": 180, "top": 3}}' | glandwise-calc
  {"outcome":"found","line":1,"gland":"rod","bore":"2.000","candidates":[{"rank":1,
   "as568":"-133","cross_section":0.103,"seal_id":1.799,"groove_diameter":1.836,...,
   "yield_percent":100,"margin_percent":-0.511122,"limiting":"squeeze 9.9 % cold",
   "verdict":"caution",...},...]}
)";

}  // namespace glandwise::calc
