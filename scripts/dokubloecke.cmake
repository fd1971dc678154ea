# Writes the blocks of the documentation that come from the program's tables, each between its
# marker lines: the synopsis and the option paragraphs of zorvanta-report(1) and the README's
# option table from the table of options, the lists of statistics of zorvanta(1) and of the
# metainfo and the README's table of statistics from the table of statistics. The text of each block is what build/cli/zv_dokubloecke prints. With
# -DPRUEFEN=ON it only compares and fails while a file is not what the tables give.
#
#   cmake -DWERKZEUG=build/cli/zv_dokubloecke -DQUELLE=. [-DPRUEFEN=ON] \
#         -P scripts/dokubloecke.cmake
#
# The markers are lines of their own: "<!-- NAME -->" and "<!-- /NAME -->" in Markdown and XML,
# ".\" <NAME>" and ".\" </NAME>" in roff. The end marker's line may be indented.

# File, marker, block of zv_dokubloecke.
set(bloecke
    "packaging/zorvanta-report.1.in|uebersicht|optionen-uebersicht"
    "packaging/zorvanta-report.1.in|optionen|optionen-handbuch"
    "README.md|optionen|optionen-readme"
    "packaging/zorvanta.1.in|statistiken|statistiken-handbuch"
    "README.md|statistiken|statistiken-readme"
    "packaging/org.zorvanta.Zorvanta.metainfo.xml.in|statistiken|statistiken-metainfo")

set(abweichend)
foreach(eintrag IN LISTS bloecke)
    string(REPLACE "|" ";" teile "${eintrag}")
    list(GET teile 0 datei)
    list(GET teile 1 marke)
    list(GET teile 2 block)
    set(pfad ${QUELLE}/${datei})

    execute_process(COMMAND ${WERKZEUG} ${block} OUTPUT_VARIABLE inhalt RESULT_VARIABLE ergebnis)
    if(NOT ergebnis EQUAL 0)
        message(FATAL_ERROR "${WERKZEUG} ${block} failed")
    endif()

    if(datei MATCHES "\\.(md|xml\\.in)$")
        set(anfangsmarke "<!-- ${marke} -->\n")
        set(endmarke "<!-- /${marke} -->")
    else()
        set(anfangsmarke ".\\\" <${marke}>\n")
        set(endmarke ".\\\" </${marke}>")
    endif()

    file(READ ${pfad} text)
    string(FIND "${text}" "${anfangsmarke}" anfang)
    string(FIND "${text}" "${endmarke}" ende)
    if(anfang EQUAL -1 OR ende EQUAL -1 OR ende LESS anfang)
        message(FATAL_ERROR "${datei} has no block between ${anfangsmarke} and ${endmarke}")
    endif()
    string(LENGTH "${anfangsmarke}" laenge)
    math(EXPR anfang "${anfang} + ${laenge}")
    # The block ends where the end marker's line begins.
    string(SUBSTRING "${text}" 0 ${ende} vorher)
    string(FIND "${vorher}" "\n" zeilenanfang REVERSE)
    math(EXPR ende "${zeilenanfang} + 1")
    if(ende LESS anfang)
        set(ende ${anfang})
    endif()
    string(SUBSTRING "${text}" 0 ${anfang} vorher)
    string(SUBSTRING "${text}" ${ende} -1 nachher)
    set(neu "${vorher}${inhalt}${nachher}")
    if(neu STREQUAL text)
        message(STATUS "${datei}: block ${marke} up to date")
    elseif(PRUEFEN)
        list(APPEND abweichend "${datei} (${marke})")
    else()
        file(WRITE ${pfad} "${neu}")
        message(STATUS "${datei}: block ${marke} written")
    endif()
endforeach()

if(abweichend)
    list(JOIN abweichend ", " abweichend)
    message(FATAL_ERROR "not what the program's tables give: ${abweichend}; write them anew with "
                        "cmake -DWERKZEUG=build/cli/zv_dokubloecke -DQUELLE=. "
                        "-P scripts/dokubloecke.cmake")
endif()
