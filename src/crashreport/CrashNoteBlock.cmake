# crashnote_attach_block(<target> <options-file> [FORM section|trailer])
#
# After each link, writes the crash reporter's configuration block into the
# target's program file. Without the block the reporter stays inactive and a
# program that creates a TCrashNote stops at start-up; configure with
# -DCRASHNOTE_ATTACH_BLOCK=OFF to build such a program on purpose.
option(CRASHNOTE_ATTACH_BLOCK "Write the crash reporter's configuration block into the programs" ON)

function(crashnote_attach_block target options_file)
  cmake_parse_arguments(PARSE_ARGV 2 CN "" "FORM" "")
  if(NOT CN_FORM)
    set(CN_FORM section)
  endif()
  get_filename_component(options_path "${options_file}" ABSOLUTE)
  # Relink when the options change, so the new block is written.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${options_path}")
  if(NOT CRASHNOTE_ATTACH_BLOCK)
    return()
  endif()
  set(objcopy "${CMAKE_OBJCOPY}")
  if(NOT objcopy)
    set(objcopy objcopy)
  endif()
  add_dependencies(${target} cnblock)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND $<TARGET_FILE:cnblock> --options "${options_path}" --form ${CN_FORM}
            --objcopy "${objcopy}" $<TARGET_FILE:${target}>
    COMMENT "Writing the CrashNote block into ${target}"
    VERBATIM)
endfunction()
