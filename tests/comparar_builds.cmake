# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs two builds of pendra-cli on the same batches and fails unless their
# JSON is identical byte for byte: 20000 requests of every kind, then 5000
# needles, flat triangles and near tangents, where arithmetic that differs
# from one machine to another would show first, then EXTREMOS, a file of thin,
# flat and extreme requests, when given. CLI may be a command with arguments
# (node and a script); EMULADOR, a list joined by "|", runs this build's
# programs, the generator included (Wine for a Windows build). Skipped, with
# a line that says why and that the tests' SKIP_REGULAR_EXPRESSION matches,
# while the other build has no pendra-cli (the windows and web presets name
# the release one, built first by scripts/test.sh) or the generator is missing.
if(NOT REFERENCIA OR NOT EXISTS "${REFERENCIA}")
    message("SKIP: the pendra-cli to compare with, \"${REFERENCIA}\", does not exist: "
            "build the release preset first (scripts/test.sh does)")
    return()
endif()
if(NOT GENERADOR OR NOT EXISTS "${GENERADOR}")
    message("SKIP: the batch generator, \"${GENERADOR}\", does not exist: build it first")
    return()
endif()
string(REPLACE "|" ";" emulador "${EMULADOR}")
set(lotes todas delicadas)
if(EXTREMOS)
    list(APPEND lotes extremos)
endif()
foreach(lote IN LISTS lotes)
    set(entrada "${DIRECTORIO}/lote_${lote}.txt")
    if(lote STREQUAL "extremos")
        configure_file("${EXTREMOS}" "${entrada}" COPYONLY)
        file(STRINGS "${EXTREMOS}" lineas)
        list(LENGTH lineas cuantas)
    else()
        set(cuantas 20000)
        if(lote STREQUAL "delicadas")
            set(cuantas 5000)
        endif()
        execute_process(COMMAND ${emulador} "${GENERADOR}" ${cuantas} ${lote}
                        OUTPUT_FILE "${entrada}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
    execute_process(COMMAND ${emulador} ${CLI} --json INPUT_FILE "${entrada}"
                    OUTPUT_FILE "${DIRECTORIO}/CLI_${lote}.json" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${REFERENCIA}" --json INPUT_FILE "${entrada}"
                    OUTPUT_FILE "${DIRECTORIO}/REFERENCIA_${lote}.json" COMMAND_ERROR_IS_FATAL ANY)
    file(STRINGS "${DIRECTORIO}/CLI_${lote}.json" respuestas ENCODING UTF-8)
    list(LENGTH respuestas respondidas)
    if(NOT respondidas EQUAL cuantas)
        message(FATAL_ERROR "${lote}: expected ${cuantas} answers, got ${respondidas}")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DIRECTORIO}/CLI_${lote}.json"
                            "${DIRECTORIO}/REFERENCIA_${lote}.json" RESULT_VARIABLE distintos)
    if(distintos)
        message(FATAL_ERROR "${CLI} and ${REFERENCIA} answer the batch ${lote} differently "
                            "(${DIRECTORIO}/CLI_${lote}.json)")
    endif()
    message(STATUS "${lote}: ${cuantas} answers identical")
endforeach()
