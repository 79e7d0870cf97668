# Runs two builds of pendra-cli on the same batch and fails unless their JSON
# is identical byte for byte. Skipped while the other build has no pendra-cli
# (the debug preset names the release one, built first by scripts/test.sh).
# CLI may be a command with arguments (node and a script); EXTREMOS, a file of
# thin, flat and extreme requests answered after the batch.
if(NOT EXISTS "${REFERENCIA}" OR NOT EXISTS "${GENERADOR}")
    message("SKIP: no ${REFERENCIA} or ${GENERADOR} to compare with: build them first")
    return()
endif()
set(lote "${DIRECTORIO}/lote.txt")
execute_process(COMMAND "${GENERADOR}" 20000 OUTPUT_FILE "${lote}" COMMAND_ERROR_IS_FATAL ANY)
set(esperadas 20000)
if(EXTREMOS)
    file(READ "${EXTREMOS}" extremos)
    file(APPEND "${lote}" "${extremos}")
    file(STRINGS "${EXTREMOS}" lineas)
    list(LENGTH lineas cuantas)
    math(EXPR esperadas "${esperadas} + ${cuantas}")
endif()
foreach(cual IN ITEMS CLI REFERENCIA)
    execute_process(COMMAND ${${cual}} --json INPUT_FILE "${lote}"
                    OUTPUT_FILE "${DIRECTORIO}/${cual}.json" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(STRINGS "${DIRECTORIO}/CLI.json" respuestas ENCODING UTF-8)
list(LENGTH respuestas cuantas)
if(NOT cuantas EQUAL esperadas)
    message(FATAL_ERROR "expected ${esperadas} answers, got ${cuantas}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DIRECTORIO}/CLI.json"
                        "${DIRECTORIO}/REFERENCIA.json" RESULT_VARIABLE distintos)
if(distintos)
    message(FATAL_ERROR "${CLI} and ${REFERENCIA} answer the same batch differently")
endif()
message(STATUS "${esperadas} answers identical")
