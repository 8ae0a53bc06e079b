# Fails when a source includes through "..": such a path would reach a folder its library does not
# link (core/CMakeLists.txt) and go around the walls between the core folders.
file(GLOB_RECURSE sorgenti ${RADICE}/core/*.h ${RADICE}/core/*.cpp ${RADICE}/cli/*.h ${RADICE}/cli/*.cpp
     ${RADICE}/gui/*.h ${RADICE}/gui/*.cpp ${RADICE}/app/*.cpp ${RADICE}/platform/*.h ${RADICE}/platform/*.cpp)
set(trovati "")
foreach(f ${sorgenti})
    file(STRINGS ${f} righe REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.")
    foreach(r ${righe})
        string(APPEND trovati "\n  ${f}: ${r}")
    endforeach()
endforeach()
if(trovati)
    message(FATAL_ERROR "include through \"..\":${trovati}")
endif()
