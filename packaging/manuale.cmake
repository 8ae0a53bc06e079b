# The manual pages vantrel(1) and vantrel-cli(1), made by help2man from each program's --help and
# --version and from the sections of PROGRAMMA.h2m. help2man writes its headings ("NOME",
# "SINTASSI", ...) in the language of the locale it is given; the Italian locale is compiled here,
# because a machine need not have it installed.
find_program(HELP2MAN help2man)
find_program(LOCALEDEF localedef)
set(VANTREL_LOCALI ${CMAKE_CURRENT_BINARY_DIR}/locale)
if(HELP2MAN AND LOCALEDEF AND EXISTS /usr/share/i18n/locales/it_IT)
    add_custom_command(
        OUTPUT ${VANTREL_LOCALI}/it_IT.UTF-8/LC_CTYPE
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_LOCALI}
        COMMAND ${LOCALEDEF} -i it_IT -f UTF-8 ${VANTREL_LOCALI}/it_IT.UTF-8
        COMMENT "Compiling the Italian locale for the manual pages"
        VERBATIM)
else()
    message(WARNING "help2man, localedef or the it_IT locale source (Debian: help2man, locales) is missing: "
                    "no manual pages")
endif()

function(vantrel_pagina_manuale programma)
    if(NOT HELP2MAN OR NOT LOCALEDEF OR NOT EXISTS /usr/share/i18n/locales/it_IT)
        return()
    endif()
    set(pagina ${CMAKE_CURRENT_BINARY_DIR}/${programma}.1)
    add_custom_command(
        OUTPUT ${pagina}.gz
        COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${VANTREL_LOCALI} ${HELP2MAN} --locale=it_IT.UTF-8 --no-info
                --section=1 --include=${CMAKE_CURRENT_SOURCE_DIR}/${programma}.h2m
                --output=${pagina} $<TARGET_FILE:${programma}>
        COMMAND ${GZIP} -9nf ${pagina}
        DEPENDS ${programma} ${CMAKE_CURRENT_SOURCE_DIR}/${programma}.h2m ${VANTREL_LOCALI}/it_IT.UTF-8/LC_CTYPE
        COMMENT "Writing the manual page ${programma}(1)"
        VERBATIM)
    add_custom_target(manuale_${programma} ALL DEPENDS ${pagina}.gz)
    install(FILES ${pagina}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
