# Runs two builds of pendra-cli on the same batch and fails unless their JSON
# is identical byte for byte.
set(lote "${DIRECTORIO}/lote.txt")
execute_process(COMMAND "${GENERADOR}" 20000 OUTPUT_FILE "${lote}" COMMAND_ERROR_IS_FATAL ANY)
foreach(cual IN ITEMS CLI REFERENCIA)
    execute_process(COMMAND "${${cual}}" --json INPUT_FILE "${lote}"
                    OUTPUT_FILE "${DIRECTORIO}/${cual}.json" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(STRINGS "${DIRECTORIO}/CLI.json" respuestas ENCODING UTF-8)
list(LENGTH respuestas cuantas)
if(NOT cuantas EQUAL 20000)
    message(FATAL_ERROR "expected 20000 answers, got ${cuantas}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DIRECTORIO}/CLI.json"
                        "${DIRECTORIO}/REFERENCIA.json" RESULT_VARIABLE distintos)
if(distintos)
    message(FATAL_ERROR "${CLI} and ${REFERENCIA} answer the same batch differently")
endif()
message(STATUS "20000 answers identical")
