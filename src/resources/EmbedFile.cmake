# Writes a C++ source that holds a file's bytes as an array with its length.
#   cmake -DINPUT=icon.png -DOUTPUT=out.cpp -DSYMBOL=g_windowIconPng -P EmbedFile.cmake
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT} at build time; do not edit.\n"
"#include \"resources/WindowIconData.h\"\n\n"
"const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n\n"
"const size_t ${SYMBOL}Size = ${size};\n")
