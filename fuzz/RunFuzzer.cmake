# Runs one fuzz target for a bounded number of inputs, from its seeds and a fresh working
# corpus, so that every run starts alike and the seeds in the repository stay as they are.
#   cmake -D FUZZER=<program> -D SEEDS=<folder> -D WORK=<folder> -D RUNS=<n> -D SECONDS=<n> -P RunFuzzer.cmake
foreach(name FUZZER SEEDS WORK RUNS SECONDS)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "RunFuzzer.cmake needs -D ${name}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
# A fixed seed makes a failure come back on the next run; -timeout turns a hang on one
# input into a failure of its own.
execute_process(
  COMMAND ${FUZZER}
    -seed=1
    -runs=${RUNS}
    -max_total_time=${SECONDS}
    -timeout=10
    -print_final_stats=1
    -artifact_prefix=${WORK}/artifacts/
    ${WORK}/corpus ${SEEDS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(GLOB found ${WORK}/artifacts/*)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input that broke it: ${found}")
endif()
