# Turns one binary file into a C++ source holding its bytes.
# Run as: cmake -DINPUT=<file> -DOUTPUT=<cpp> -DSYMBOL=<name> -P embed_file.cmake
# The source defines `const unsigned char <name>[]` and `<name>Size` at
# namespace scope in `embedded`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n"
  "namespace embedded {\n"
  "extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
  "extern const std::size_t ${SYMBOL}Size = ${size};\n"
  "}  // namespace embedded\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
