# Writes a fresh sample with the command line and builds gast/ against the installed package alone:
#   cmake -DQUELLE=<gast/> -DZIEL=<build folder> -DPAKET=<install prefix> -DBEISPIELE=<examples/>
#         -DKOVELUND=<kovelund> -DSTICHPROBE=<sample folder> -DCXX=<C++ compiler> -DFLAGS=<flags>
#         -P Bauen.cmake
file(REMOVE_RECURSE ${STICHPROBE})
execute_process(COMMAND ${KOVELUND} init ${STICHPROBE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${QUELLE} -B ${ZIEL} -DCMAKE_BUILD_TYPE=Debug -DCMAKE_PREFIX_PATH=${PAKET}
          -DKOVELUND_BEISPIELE=${BEISPIELE} -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_C_FLAGS=${FLAGS}"
          "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}"
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${ZIEL} -j2 COMMAND_ERROR_IS_FATAL ANY)
