# Runs a libFuzzer target for a bounded time on a fresh copy of its checked-in corpus, so the run
# never adds files to the source tree.
#   cmake -DFUZZER=<program> -DCORPUS=<folder> -DWORK=<folder> -DSECONDS=<n> -P run_fuzzer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/crashes)
file(GLOB seeds ${CORPUS}/*.bmp ${CORPUS}/*.ini)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
          -artifact_prefix=${WORK}/crashes/ ${WORK}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a failing input; see ${WORK}/crashes")
endif()
