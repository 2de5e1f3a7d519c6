# Fills in the page's template with the core's words as core.js holds them (page_constants.cpp),
# each in place of its @name@, made safe for HTML.
#   cmake -DCORE_JS=... -DTEMPLATE=... -DPAGE=... -P index_page.cmake
file(READ ${CORE_JS} core)
string(REGEX REPLACE "^[^{]*(\\{.*\\});[ \n]*$" "\\1" core "${core}")
string(JSON count LENGTH "${core}" words)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON name MEMBER "${core}" words ${i})
  string(JSON text GET "${core}" words ${name})
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${name} "${text}")
endforeach()
configure_file(${TEMPLATE} ${PAGE} @ONLY)
