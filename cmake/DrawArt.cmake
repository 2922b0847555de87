# Runs the picture generator into ART_DIR and touches STAMP, unless the pictures there were drawn by this
# very generator already: another build folder of the checkout, which shares them, may have drawn them.
if(EXISTS ${STAMP} AND NOT ${ARTGEN} IS_NEWER_THAN ${STAMP})
    return()
endif()
execute_process(COMMAND ${ARTGEN} ${ART_DIR} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The picture generator failed: ${failed}")
endif()
file(TOUCH ${STAMP})
