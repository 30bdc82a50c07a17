# Generates varied input lines for glandwise-calc: both gland types, all five
# cross-sections, seals stretched from slightly negative to beyond 26 %, editor edits,
# scripted answers (some Yes, so that the editor stays), and inputs that the selection
# screen or the editor refuses.
# Usage: awk -v count=100000 -v seed=1 -f gen_calc_lines.awk
BEGIN {
  if (count == "") count = 100000
  srand(seed == "" ? 1 : seed)
  split("0.070 0.103 0.139 0.210 0.275", section, " ")
  split("0.102 0.164 0.224 0.343 0.455", grooveOffset, " ")
  for (i = 0; i < count; i++) print line(i)
}

function pick(low, high) { return low + rand() * (high - low) }

function line(i,    s, rod, typed, stretchedOnto, seal, text) {
  if (i % 97 == 13) return "{\"gland\": \"rod\", \"seal_id\": \"1\", \"housing\": \"2\"}"
  s = i % 5 + 1
  rod = (i % 2 == 0)
  typed = pick(0.3, 8)
  # the seal's inside is stretched onto the rod groove's bottom or onto the rod
  stretchedOnto = rod ? typed - grooveOffset[s] : typed
  seal = stretchedOnto / (1 + pick(-1, 30) / 100)
  text = sprintf("{\"cross_section\": \"%s\", \"gland\": \"%s\", \"seal_id\": \"%.4f\", \"%s\": \"%.4f\", \"pressure\": \"%s\"",
                 section[s], rod ? "rod" : "housing", seal, rod ? "housing" : "rod", typed, pressure(i))
  text = text edits(i, rod, typed)
  if (i % 11 == 5) text = text ", \"answers\": [\"no\", \"yes\"]"
  else if (i % 13 == 6) text = text ", \"answers\": [\"yes\"]"
  return text "}"
}

function pressure(i) {
  if (i % 53 == 7) return "0"
  if (i % 59 == 11) return "abc"
  return sprintf("%d", pick(1, 1500))
}

function edits(i, rod, typed) {
  if (i % 7 == 3) return sprintf(", \"edits\": {\"txtECC\": \"%.4f\", \"txtPR\": \"%d\"}", pick(0, 0.01), pick(1, 1500))
  if (i % 17 == 9) return sprintf(", \"edits\": {\"%s\": \"%.4f\"}", rod ? "txtGDM" : "txtGDF", rod ? typed + 1 : typed - 1)
  return ""
}
