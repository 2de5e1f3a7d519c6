# Joins scripts into one module: each in turn, less its imports of the others and the word export
# (their names meet in the one scope, so none may be declared twice); without the comments and
# the indentation, which a phone would only download. A comment is a line's end from "// " on
# after a space, or a whole line from "//": the page's scripts hold that in no string.
#   cmake -DSCRIPTS="a.js;b.js" -DOUT=... -P bundle.cmake
set(joined "")
foreach(script ${SCRIPTS})
  file(READ ${script} text)
  string(REGEX REPLACE "\nimport [^\n]* from '\\./[a-z_]+\\.js';" "" text "\n${text}")
  string(REGEX REPLACE "\nexport " "\n" text "${text}")
  string(APPEND joined "${text}")
endforeach()
string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" joined "${joined}")
string(REGEX REPLACE "[ \t]+// [^\n]*" "" joined "${joined}")
string(REGEX REPLACE "\n[ \t]+" "\n" joined "${joined}")
string(REGEX REPLACE "\n\n+" "\n" joined "${joined}")
file(WRITE ${OUT}.new "${joined}\n")
file(RENAME ${OUT}.new ${OUT})
