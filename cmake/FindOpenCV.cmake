# OpenCV's own CMake files when they are installed; otherwise the modules asked for, found by their
# headers and libraries (Debian's libopencv-<module>-dev packages ship no CMake files of their own).
# Sets OpenCV_FOUND, OpenCV_LIBS (imported targets opencv_<module>) and OpenCV_INCLUDE_DIRS.
find_package(OpenCV CONFIG QUIET COMPONENTS ${OpenCV_FIND_COMPONENTS})
if(OpenCV_FOUND)
  return()
endif()

find_path(OpenCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4)
set(OpenCV_LIBS)
set(_velkora_opencv_manquants)
foreach(_module IN LISTS OpenCV_FIND_COMPONENTS)
  find_library(OpenCV_${_module}_LIBRARY opencv_${_module})
  if(OpenCV_${_module}_LIBRARY AND OpenCV_INCLUDE_DIR)
    if(NOT TARGET opencv_${_module})
      add_library(opencv_${_module} UNKNOWN IMPORTED)
      set_target_properties(opencv_${_module} PROPERTIES IMPORTED_LOCATION ${OpenCV_${_module}_LIBRARY}
                                                         INTERFACE_INCLUDE_DIRECTORIES ${OpenCV_INCLUDE_DIR})
    endif()
    list(APPEND OpenCV_LIBS opencv_${_module})
  else()
    list(APPEND _velkora_opencv_manquants ${_module})
  endif()
endforeach()
set(OpenCV_INCLUDE_DIRS ${OpenCV_INCLUDE_DIR})

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(OpenCV REQUIRED_VARS OpenCV_INCLUDE_DIR OpenCV_LIBS
                                  REASON_FAILURE_MESSAGE "modules introuvables : ${_velkora_opencv_manquants}")
