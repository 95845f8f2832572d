# Helpers for pictures drawn as SVG and rendered at build time by
# kestrel-rasterize (this folder). Include with a path; the functions refer
# to the tool by target name, so the folder may be added before or after.
include_guard(GLOBAL)

# kp_rasterize(<in.svg> <out.png> <width> <height>)
function(kp_rasterize input output width height)
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:kestrel-rasterize> ${input} ${output} ${width} ${height}
    DEPENDS ${input} kestrel-rasterize
    COMMENT "Rendering ${output}"
    VERBATIM)
endfunction()

# kp_animate(<out.gif> <width> <height> <delay-ms> <frame.svg>...)
function(kp_animate output width height delay)
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:kestrel-rasterize> --delay ${delay} ${ARGN} ${output} ${width} ${height}
    DEPENDS ${ARGN} kestrel-rasterize
    COMMENT "Rendering ${output}"
    VERBATIM)
endfunction()

# kp_copy_files(<from-dir> <to-dir> <out-list-var> <relative paths>...)
# Copies each file with its own rule so that a change rebuilds only that file.
function(kp_copy_files from to outvar)
  set(outs)
  foreach(rel ${ARGN})
    get_filename_component(dir ${to}/${rel} DIRECTORY)
    add_custom_command(OUTPUT ${to}/${rel}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${CMAKE_COMMAND} -E copy ${from}/${rel} ${to}/${rel}
      DEPENDS ${from}/${rel}
      VERBATIM)
    list(APPEND outs ${to}/${rel})
  endforeach()
  set(${outvar} ${outs} PARENT_SCOPE)
endfunction()

# kp_unpack(<"a|b|c"> <var>...): splits a table row at "|" into the variables
# (missing fields become empty).
macro(kp_unpack row)
  string(REPLACE "|" ";" _kp_fields "${row}")
  list(LENGTH _kp_fields _kp_count)
  set(_kp_index 0)
  foreach(_kp_var ${ARGN})
    if(_kp_index LESS _kp_count)
      list(GET _kp_fields ${_kp_index} ${_kp_var})
    else()
      set(${_kp_var} "")
    endif()
    math(EXPR _kp_index "${_kp_index} + 1")
  endforeach()
endmacro()
