# Collects the C++ sources below a folder; new files are picked up at the next build.
function(quorvane_collect_sources out_var)
  set(found)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE dir_sources CONFIGURE_DEPENDS
      ${dir}/*.cpp ${dir}/*.h)
    list(APPEND found ${dir_sources})
  endforeach()
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()

# Copies the sample pictures and the user guide beside the built programs, so ObjectFolder
# and the Help window work from bin/.
function(quorvane_copy_object_folder target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory
      ${PROJECT_SOURCE_DIR}/data/Object ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Object
    COMMAND ${CMAKE_COMMAND} -E copy_directory
      ${PROJECT_SOURCE_DIR}/data/help ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help)
endfunction()
