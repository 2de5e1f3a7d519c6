# Runs makensis with the game's size in the uninstall entry (Windows shows it in kilobytes).
file(SIZE ${EXE} bytes)
math(EXPR kb "(${bytes} + 1023) / 1024")
execute_process(COMMAND ${MAKENSIS} -V2 -DEXE=${EXE} -DLICENSE=${LICENSE} -DICON=${ICON}
    -DVERSION=${VERSION} -DOUTFILE=${OUTFILE} -DSIZE_KB=${kb} ${SCRIPT}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "makensis failed")
endif()
