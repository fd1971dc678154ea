# Builds every probe target of the build tree BAU; PROBEN holds "target:header:erlaubt|verboten"
# entries. Fails on the first probe that does not behave as its layer allows.
foreach(probe IN LISTS PROBEN)
    string(REPLACE ":" ";" teile "${probe}")
    list(GET teile 0 ziel)
    list(GET teile 1 kopf)
    list(GET teile 2 erwartung)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BAU} --target ${ziel}
                    RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
    if(erwartung STREQUAL "erlaubt" AND NOT ergebnis EQUAL 0)
        message(FATAL_ERROR "${ziel} (${kopf}) should compile:\n${ausgabe}")
    endif()
    if(erwartung STREQUAL "verboten")
        # GCC: "engine/x.h: No such file or directory"; clang: "'engine/x.h' file not found"
        string(REGEX MATCH "${kopf}(: No such file or directory|' file not found)" gefunden
               "${ausgabe}")
        if(ergebnis EQUAL 0 OR NOT gefunden)
            message(FATAL_ERROR "${ziel} must not see ${kopf}:\n${ausgabe}")
        endif()
    endif()
    message(STATUS "${ziel}: ${kopf} ${erwartung}")
endforeach()
