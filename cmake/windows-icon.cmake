# The Windows program's icon resource, drawn from the same SVG as the Linux
# desktop icon. Sets TOLVAR_WINDOWS_RC to the resource script to compile in;
# a program that compiles it depends on the target tolvar_icon.
find_program(TOLVAR_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TOLVAR_IMAGEMAGICK convert REQUIRED)

set(_svg ${PROJECT_SOURCE_DIR}/packaging/tolvar.svg)
set(_icon ${CMAKE_BINARY_DIR}/icon/tolvar.ico)
set(_commands)
set(_pngs)
foreach(size 16 32 48 256)
  set(_png ${CMAKE_BINARY_DIR}/icon/tolvar-${size}.png)
  list(APPEND _commands COMMAND ${TOLVAR_RSVG_CONVERT} -w ${size} -h ${size} ${_svg} -o ${_png})
  list(APPEND _pngs ${_png})
endforeach()
add_custom_command(OUTPUT ${_icon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
  ${_commands}
  COMMAND ${TOLVAR_IMAGEMAGICK} ${_pngs} ${_icon}
  DEPENDS ${_svg}
  VERBATIM)

set(TOLVAR_WINDOWS_RC ${CMAKE_BINARY_DIR}/icon/tolvar.rc)
file(WRITE ${TOLVAR_WINDOWS_RC} "IDI_ICON1 ICON \"${_icon}\"\n")
add_custom_target(tolvar_icon DEPENDS ${_icon})
