# Writes the C++ table of simple upper-case mappings from the Unicode
# Character Database's UnicodeData.txt: one row per code point whose simple
# upper case (field 13) differs from it, in code point order.
BEGIN {
    FS = ";"
    print "// Generated at build time from UnicodeData.txt by upper_case_table.awk."
    print "#pragma once"
    print ""
    print "namespace tarnwick::detail {"
    print ""
    print "struct UpperCaseRow {"
    print "    char32_t code;"
    print "    char32_t upper;"
    print "};"
    print ""
    print "inline constexpr UpperCaseRow kUpperCaseRows[] = {"
}
$13 != "" {
    printf "    {0x%s, 0x%s},\n", $1, $13
    rows++
}
END {
    print "};"
    print ""
    print "}  // namespace tarnwick::detail"
    if (rows == 0) exit 1
}
