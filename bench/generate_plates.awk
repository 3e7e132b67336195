# Writes a CSV file of n plates (awk -v n=ROWS -f bench/generate_plates.awk,
# run from the source root): a cycle of 32 plates, a valid one of each year,
# each year's plate decoded from the warranty number alone, and failures of
# every kind (codes the decoder rejects, missing fields, over-long fields,
# unknown years, a bad flag). A stock number column, counting from 1, is
# carried through. The valid plates are read from tests/support/good_plates.h,
# the list the tests start from; the failures are those plates with one
# field changed.

# Plate i (0 = 1964-1/2 … 6 = 1970) with field f (1 = warranty … 8 = trans;
# 0 for none) set to value, and the warranty_only flag.
function plate(i, f, value, flag,    row, k) {
  row = year[i]
  for (k = 1; k <= 8; k++) row = row "," (k == f ? value : good[i, k])
  return row "," flag
}

# Plate i read from the warranty number alone.
function warranty_alone(i, flag) { return year[i] "," good[i, 1] ",,,,,,," "," flag }

BEGIN {
  OFS = ","
  source = "tests/support/good_plates.h"
  count = 0
  while ((getline line < source) > 0) {
    if (line !~ /\{ModelYear::Y[0-9]/) continue
    match(line, /Y[0-9]+/)
    year[count] = substr(line, RSTART + 1, 4)
    split(line, quoted, "\"")  # the texts are quoted[2], quoted[4] … quoted[16]
    for (k = 1; k <= 8; k++) good[count, k] = quoted[2 * k]
    count++
  }
  close(source)
  if (count != 7) { print "generate_plates.awk: " count " plates in " source ", expected 7" > "/dev/stderr"; exit 1 }

  for (i = 0; i < 7; i++) p[i] = plate(i, 0, "", "0")
  p[7]  = "1964-1/2,5t08d000001,,,,,,,,yes"
  p[8]  = "1965,5F09K000001,,,,,,,,1"
  p[9]  = warranty_alone(2, "true")
  for (i = 3; i < 7; i++) p[i + 7] = warranty_alone(i, "1")
  p[14] = plate(1, 3, "?", "0")
  p[15] = plate(2, 1, "6F07C10000X", "0")
  p[16] = plate(3, 6, "16", "0")
  p[17] = plate(4, 5, "32K", "0")
  p[18] = plate(5, 1, "9Q02M100001", "0")
  p[19] = plate(6, 2, "65A", "0")
  p[20] = plate(0, 2, "", "0")
  p[21] = plate(3, 5, "", "0")
  p[22] = plate(5, 1, "", "0")
  p[23] = plate(2, 2, "65AB", "0")
  p[24] = plate(4, 1, "8F02J1000012", "0")
  p[25] = plate(4, 1, "1F02J100001", "0")
  sub(/^1968/, "1971", p[25])
  p[26] = plate(1, 0, "", "maybe")
  p[27] = tolower(plate(1, 0, "", ""))
  p[28] = plate(2, 0, "", "no")
  p[29] = plate(3, 0, "", "false")
  p[30] = p[4]
  p[31] = p[5]
  print "stock,year,warranty,body,color,trim,date,dso,axle,trans,warranty_only"
  for (i = 0; i < n; i++) print i + 1, p[i % 32]
}
