# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source that holds the bytes of a file, for data built into the advisor library.
# Usage: cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<name> -P embed_bytes.cmake
# A missing input gives an empty array, so the library builds before its data is made.
set(bytes "")
set(size 0)
if(EXISTS "${INPUT}")
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" chars)
  math(EXPR size "${chars} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} by embed_bytes.cmake; do not edit.\n"
  "#include <cstddef>\n#include <cstdint>\n\n"
  "namespace marnelok::advisor {\n"
  "extern const std::uint8_t ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}Size;\n"
  "const std::uint8_t ${SYMBOL}[] = {\n${bytes}0};\n"
  "const std::size_t ${SYMBOL}Size = ${size};\n"
  "}  // namespace marnelok::advisor\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
