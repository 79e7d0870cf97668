# Runs two builds of pendra-cli on the same batches and fails unless their
# JSON is identical byte for byte: 20000 requests of every kind, then 5000
# needles, flat triangles and near tangents, where arithmetic that differs
# from one machine to another would show first. Skipped while the other
# build has no pendra-cli (the debug and windows presets name the release
# one, built first by scripts/test.sh). EMULADOR, a list joined by "|", runs
# this build's programs (Wine for a Windows build).
if(NOT EXISTS "${REFERENCIA}")
    message("SKIP: no ${REFERENCIA} to compare with: build it first")
    return()
endif()
string(REPLACE "|" ";" emulador "${EMULADOR}")
foreach(lote IN ITEMS todas delicadas)
    set(cuantas 20000)
    if(lote STREQUAL "delicadas")
        set(cuantas 5000)
    endif()
    set(entrada "${DIRECTORIO}/lote_${lote}.txt")
    execute_process(COMMAND ${emulador} "${GENERADOR}" ${cuantas} ${lote} OUTPUT_FILE "${entrada}"
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${emulador} "${CLI}" --json INPUT_FILE "${entrada}"
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
