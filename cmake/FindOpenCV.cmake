# Finds OpenCV's headers and the libraries of the asked components (opencv_core,
# opencv_imgproc, opencv_calib3d...) without OpenCV's own CMake package, which Debian ships
# only with the package that pulls every module. Defines OpenCV_INCLUDE_DIRS, OpenCV_VERSION
# and one imported target per component, named as OpenCV's package names them.
find_path(OpenCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4)
if(OpenCV_INCLUDE_DIR AND EXISTS ${OpenCV_INCLUDE_DIR}/opencv2/core/version.hpp)
  file(STRINGS ${OpenCV_INCLUDE_DIR}/opencv2/core/version.hpp version_lines
    REGEX "#define CV_VERSION_(MAJOR|MINOR|REVISION) ")
  foreach(part MAJOR MINOR REVISION)
    string(REGEX REPLACE ".*CV_VERSION_${part} +([0-9]+).*" "\\1" OpenCV_VERSION_${part} "${version_lines}")
  endforeach()
  set(OpenCV_VERSION ${OpenCV_VERSION_MAJOR}.${OpenCV_VERSION_MINOR}.${OpenCV_VERSION_REVISION})
endif()

foreach(component IN LISTS OpenCV_FIND_COMPONENTS)
  find_library(OpenCV_${component}_LIBRARY opencv_${component})
  if(OpenCV_${component}_LIBRARY AND OpenCV_INCLUDE_DIR)
    set(OpenCV_${component}_FOUND TRUE)
    if(NOT TARGET opencv_${component})
      add_library(opencv_${component} UNKNOWN IMPORTED)
      set_target_properties(opencv_${component} PROPERTIES
        IMPORTED_LOCATION ${OpenCV_${component}_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES ${OpenCV_INCLUDE_DIR})
    endif()
  endif()
endforeach()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(OpenCV
  REQUIRED_VARS OpenCV_INCLUDE_DIR
  VERSION_VAR OpenCV_VERSION
  HANDLE_COMPONENTS)
set(OpenCV_INCLUDE_DIRS ${OpenCV_INCLUDE_DIR})
mark_as_advanced(OpenCV_INCLUDE_DIR)
