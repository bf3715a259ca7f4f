# The runtime's tests and the windows' own, on the runtime alone through a
# recording window system: the same sources in every tree, Linux, Windows and
# the browser, each running them as its desktop does.
set(ZUMBILO_RUNTIME_TEST_SOURCES
    game/play_test.cpp
    mainwindow/about_test.cpp
    mainwindow/accessibility_test.cpp
    mainwindow/pointer_feedback_test.cpp
    mainwindow/window_slide_test.cpp
    platform/drawing_test.cpp
    platform/number_text_test.cpp
    platform/random_test.cpp
    platform/tick_schedule_test.cpp
    robustness/random_input_test.cpp
    startup/restart_test.cpp
    startup/sequence_test.cpp)
list(TRANSFORM ZUMBILO_RUNTIME_TEST_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)

# A test program of those sources, on the GoogleTest library given.
function(add_runtime_tests target gtest_main)
  add_executable(${target} ${ZUMBILO_RUNTIME_TEST_SOURCES})
  target_link_libraries(${target} PRIVATE zumbilo_program ${gtest_main})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/support)
endfunction()
