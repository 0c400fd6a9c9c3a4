# cmake -DLRELEASE=... -DTS=in.ts -DQM=out.qm -P ReleaseTranslation.cmake
#
# Compiles one translation source without its language tag: the built-in
# catalogues carry only the hash table and the messages, and lrelease would
# otherwise add a language section and plural rules taken from that tag.
file(READ "${TS}" _ts)
string(REGEX REPLACE "(<TS[^>]*) language=\"[^\"]*\"" "\\1" _ts "${_ts}")
get_filename_component(_name "${TS}" NAME)
set(_untagged "${QM}.ts")
file(WRITE "${_untagged}" "${_ts}")
execute_process(COMMAND "${LRELEASE}" -silent "${_untagged}" -qm "${QM}"
    RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "lrelease failed for ${_name}")
endif()
