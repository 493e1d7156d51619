# qv_subsystem(NAME [DEPS ...]): one static library per subsystem folder, made of
# every .cpp file in it.  Includes are written from the project root
# ("model/model_grid.h").
function(qv_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(qv_${name} STATIC ${sources})
    target_include_directories(qv_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(qv_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(qv_${name} INTERFACE)
    target_include_directories(qv_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(qv_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()
