# Each fuzz target's entry point, built without libFuzzer around a small driver that
# runs it once on every input of its seed corpus: an ordinary test with any compiler,
# and under scripts/sanitize with the sanitizers of that build. Included from the top
# CMakeLists.txt when tests are built.
set(QUANTIVO_FUZZ_REPLAY_TARGETS fuzz_convert_text fuzz_number_base fuzz_fraction fuzz_settings)
foreach(name IN LISTS QUANTIVO_FUZZ_REPLAY_TARGETS)
  add_executable(replay_${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp
    ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
  target_link_libraries(replay_${name} PRIVATE quantivo_core quantivo_warnings)
  set_target_properties(replay_${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-replay)
  add_test(NAME fuzz.replay.${name}
    COMMAND replay_${name} ${CMAKE_CURRENT_LIST_DIR}/corpus/${name})
endforeach()
