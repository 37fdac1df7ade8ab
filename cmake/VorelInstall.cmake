# What `cmake --install` puts under the prefix, for hosts built outside this tree:
#   include/vorel/        the library's and the platform's headers (one include root)
#   lib/                  the shared libraries, versioned, with sonames
#   lib/vorel/lang/       the language modules vorel_NNN.dll
#   lib/cmake/vorel/      the CMake package: find_package(vorel) gives vorel::vorel
#   lib/pkgconfig/        vorel.pc
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VOREL_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/vorel)
set(VOREL_INSTALL_LANGDIR ${CMAKE_INSTALL_LIBDIR}/vorel/lang)
set(VOREL_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/vorel)

# The platform's libraries from the bottom up; a host links vorel::vorel.
set(VOREL_PLATFORM_LIBRARIES
  platform_win_kernel platform_win_display platform_win_gdi platform_win_user
  platform_win_afx platform_win_desktop
  platform_units platform_painter platform_sysinfo platform_bitmaps platform_gridctl
  platform_com platform_xmldom)

# Installed names carry the project's own prefix (libvorel-win-kernel.so), so they
# cannot clash with other libraries in a shared lib folder; each library finds its
# siblings next to itself.
foreach(lib ${VOREL_PLATFORM_LIBRARIES})
  string(REPLACE "platform_" "vorel-" name ${lib})
  string(REPLACE "_" "-" name ${name})
  set_target_properties(${lib} PROPERTIES OUTPUT_NAME ${name})
endforeach()
set_target_properties(vorel ${VOREL_PLATFORM_LIBRARIES} PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR}
  INSTALL_RPATH "$ORIGIN")

install(TARGETS vorel platform_win ${VOREL_PLATFORM_LIBRARIES}
  EXPORT vorelTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${VOREL_INSTALL_INCLUDEDIR})
install(TARGETS vorel_048 vorel_049 LIBRARY DESTINATION ${VOREL_INSTALL_LANGDIR})

foreach(root vorel platform)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${root}/ DESTINATION ${VOREL_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
endforeach()

install(EXPORT vorelTargets NAMESPACE vorel:: DESTINATION ${VOREL_INSTALL_CMAKEDIR})
configure_package_config_file(cmake/vorelConfig.cmake.in
  ${CMAKE_BINARY_DIR}/vorelConfig.cmake
  INSTALL_DESTINATION ${VOREL_INSTALL_CMAKEDIR}
  PATH_VARS VOREL_INSTALL_LANGDIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/vorelConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/vorelConfig.cmake ${CMAKE_BINARY_DIR}/vorelConfigVersion.cmake
  DESTINATION ${VOREL_INSTALL_CMAKEDIR})

# pkg-config lists every library: a host's link must name the platform's
# libraries whose symbols it uses directly (CString, CWnd, the grid control).
set(VOREL_PC_LIBS "-lvorel")
foreach(lib ${VOREL_PLATFORM_LIBRARIES})
  get_target_property(name ${lib} OUTPUT_NAME)
  string(APPEND VOREL_PC_LIBS " -l${name}")
endforeach()
# Relative to the .pc file itself, so an installed tree can be moved.
file(RELATIVE_PATH VOREL_PC_PREFIX /p/${CMAKE_INSTALL_LIBDIR}/pkgconfig /p)
configure_file(cmake/vorel.pc.in ${CMAKE_BINARY_DIR}/vorel.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vorel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
