# How the parts of src/ are built. Each folder is one static library; a part
# sees its own headers and those of the parts it links, nothing else: its
# include root holds only a link to its own folder, so "settings/x.h" resolves
# only for a target that links kordavel_settings. The roots lie under
# <build>/parts/, which the clang-tidy header filter names beside src/.
function(kordavel_part target folder)
  set(root ${PROJECT_BINARY_DIR}/parts/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# The project's warnings, on every target a folder (and the folders below it)
# defines that compiles C++; run once all targets exist.
function(kordavel_warnings_below dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_compile_options(${target} PRIVATE -Wall -Wextra)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    kordavel_warnings_below(${subdir})
  endforeach()
endfunction()
