# CPack reads this as it makes a package. Every time in the package is the last commit's (outside
# a git checkout, the release day's) unless SOURCE_DATE_EPOCH says otherwise, so that two packages
# of one commit are the same bytes; the owners are root's, and the compressed files carry no
# time of their own (gzip -n).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CPACK_TANDERA_SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT epoch MATCHES "^[0-9]+$")
        execute_process(COMMAND date -u -d "${CPACK_TANDERA_RELEASE_DATE}" +%s
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
