# Makes a delay-import library for DLL from its ordinary import library: a program
# linked with it loads the DLL the first time it calls one of its functions, not as
# it starts. Run with cmake -P:
#   -DNM=<nm> -DDLLTOOL=<dlltool> -DIMPORT_LIB=<libfoo.a> -DDLL=<foo.dll> -DOUT=<libfoo_delay.a>
#   -DX86=ON|OFF (32-bit Windows, whose C names begin with an underscore)
execute_process(COMMAND ${NM} -g --defined-only ${IMPORT_LIB} OUTPUT_VARIABLE symbols
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not read ${IMPORT_LIB}")
endif()
# Each function's import slot: __imp__Name@N on 32-bit Windows, __imp_Name on 64-bit.
string(REGEX MATCHALL "I __imp__?[A-Za-z0-9_@?$]+" slots "${symbols}")
set(def "LIBRARY ${DLL}\nEXPORTS\n")
foreach(slot ${slots})
  string(REGEX REPLACE "^I __imp_" "" name "${slot}")
  if(X86)
    string(REGEX REPLACE "^_" "" name "${name}")
  endif()
  string(APPEND def "${name}\n")
endforeach()
file(WRITE ${OUT}.def "${def}")
execute_process(COMMAND ${DLLTOOL} -k -d ${OUT}.def -y ${OUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${DLLTOOL} could not make ${OUT}")
endif()
