# Makes an empty store at STORE with TOOL when there is none; an existing store is left alone.
# A cross-built TOOL runs through EMULATOR (Wine for a Windows build).
if(NOT EXISTS "${STORE}")
  get_filename_component(dir "${STORE}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  execute_process(COMMAND ${EMULATOR} "${TOOL}" create "${STORE}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "netvane-db could not create ${STORE}")
  endif()
  message(STATUS "Created an empty store at ${STORE}")
endif()
