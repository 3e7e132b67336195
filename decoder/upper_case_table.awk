# Writes the C++ table of simple upper-case mappings from the Unicode
# Character Database's UnicodeData.txt, in code point order, as runs: code
# points `stride` apart (1, or 2 where capitals and small letters alternate)
# whose upper case lies the same distance `delta` away. 1,450 mappings make
# about 200 runs, a fifth of the size of a row per code point.
function hex(text,    i, value) {
    value = 0
    for (i = 1; i <= length(text); i++)
        value = value * 16 + index("0123456789ABCDEF", substr(text, i, 1)) - 1
    return value
}

function flush() {
    if (count > 0) printf "    {0x%04X, %d, %d, %d},\n", first, delta, count, stride
    runs += count > 0
}

BEGIN {
    FS = ";"
    print "// Generated at build time from UnicodeData.txt by upper_case_table.awk."
    print "#pragma once"
    print ""
    print "#include <cstdint>"
    print ""
    print "namespace tarnwick::detail {"
    print ""
    print "struct UpperCaseRun {"
    print "    char32_t first;"
    print "    std::int32_t delta;"
    print "    std::uint16_t count;"
    print "    std::uint16_t stride;"
    print "};"
    print ""
    print "inline constexpr UpperCaseRun kUpperCaseRuns[] = {"
}
$13 != "" {
    code = hex($1)
    distance = hex($13) - code
    if (count == 1 && distance == delta && (code - last == 1 || code - last == 2)) {
        stride = code - last
        count = 2
    } else if (count > 1 && distance == delta && code - last == stride) {
        count++
    } else {
        flush()
        first = code
        delta = distance
        count = 1
        stride = 1
    }
    last = code
}
END {
    flush()
    print "};"
    print ""
    print "}  // namespace tarnwick::detail"
    if (runs == 0) exit 1
}
