# What the Windows build derives from its pointer size: the processor
# architecture written into setup.exe's manifest and the kind of Wine prefix
# (win32 or win64) the build's test programs run in.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TAVO_MANIFEST_ARCH x86)
  set(TAVO_WINEARCH win32)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TAVO_MANIFEST_ARCH amd64)
  set(TAVO_WINEARCH win64)
else()
  message(FATAL_ERROR "Windows build with a ${CMAKE_SIZEOF_VOID_P}-byte pointer is not supported")
endif()

# The resource script names "app/SetUp.manifest"; the made one lives in the
# build folder, which the resource compiler searches after the sources.
set(TAVO_MANIFEST ${PROJECT_BINARY_DIR}/app/SetUp.manifest)
configure_file(${PROJECT_SOURCE_DIR}/app/SetUp.manifest.in ${TAVO_MANIFEST} @ONLY)
set_property(GLOBAL APPEND PROPERTY TAVO_RESOURCE_DEPENDS ${TAVO_MANIFEST})

# scripts/wine-run reads this beside a prefix in the build folder.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/wine-arch CONTENT "${TAVO_WINEARCH}\n")
