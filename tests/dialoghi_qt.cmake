# Fails when a source uses QMessageBox or QFileDialog outside their two wrappers (gui/messaggi_qt.*,
# gui/dialogo_file_qt.*): every other window asks the message and file services, which the tests
# answer in advance, and a box of its own would stop them waiting for a click.
file(GLOB_RECURSE sorgenti ${RADICE}/core/*.h ${RADICE}/core/*.cpp ${RADICE}/cli/*.h ${RADICE}/cli/*.cpp
     ${RADICE}/gui/*.h ${RADICE}/gui/*.cpp ${RADICE}/app/*.h ${RADICE}/app/*.cpp ${RADICE}/platform/*.h
     ${RADICE}/platform/*.cpp)
set(trovati "")
foreach(f ${sorgenti})
    if(f MATCHES "/gui/(messaggi_qt|dialogo_file_qt)\\.(h|cpp)$")
        continue()
    endif()
    file(STRINGS ${f} righe REGEX "QMessageBox|QFileDialog")
    foreach(r ${righe})
        string(APPEND trovati "\n  ${f}: ${r}")
    endforeach()
endforeach()
if(trovati)
    message(FATAL_ERROR "QMessageBox or QFileDialog outside their wrappers:${trovati}")
endif()
