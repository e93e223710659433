# Install rules and the Debian packages, included at the end of the top-level
# CMakeLists.txt so that every program target exists by now.
#
# Two components, one package each:
#   cps  -> rt410-cps        the program, rt410, desktop entry, icons, file type,
#                            AppStream data, manual pages, the user's guides
#   sim  -> rt410-radio-sim  the simulated radio and its manual page
include(GNUInstallDirs)

set(RT410_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS rt410-cps RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cps
                          BUNDLE DESTINATION . COMPONENT cps)
if(TARGET rt410)
  install(TARGETS rt410 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cps)
endif()
if(TARGET rt410-radio-sim)
  install(TARGETS rt410-radio-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT sim)
endif()

install(FILES ${RT410_PACKAGING_DIR}/rt410-cps.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT cps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/artwork/app_icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME rt410-cps.png
        COMPONENT cps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/artwork/app_icon_64.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME rt410-cps.png
        COMPONENT cps)
install(FILES ${RT410_PACKAGING_DIR}/rt410-cps.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME rt410-cps.xml COMPONENT cps)
install(FILES ${RT410_PACKAGING_DIR}/cn.vorlan.rt410cps.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT cps)

# The user's guides for reading, with their pictures; the program has them built in for
# its Help window.
set(guide_dir ${CMAKE_INSTALL_DATADIR}/doc/rt410-cps)
install(FILES ${CMAKE_SOURCE_DIR}/docs/user-guide.md ${CMAKE_SOURCE_DIR}/docs/user-guide.zh.md
              ${CMAKE_SOURCE_DIR}/docs/radio-sim.md
        DESTINATION ${guide_dir} COMPONENT cps)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/screenshots ${CMAKE_SOURCE_DIR}/docs/samples
        DESTINATION ${guide_dir} COMPONENT cps)

if(UNIX AND NOT APPLE)
  # Manual pages and the changelog go in compressed the way Debian wants them:
  # maximum compression, no name or time stamp in the gzip header.
  find_program(RT410_GZIP gzip REQUIRED)
  set(gz_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
  set(gz_outputs)
  foreach(source man/rt410-cps.1 man/rt410.1 man/rt410-radio-sim.1 changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(
      OUTPUT ${gz_dir}/${name}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${RT410_PACKAGING_DIR}/${source} ${gz_dir}/${name}
      COMMAND ${RT410_GZIP} -9nf ${gz_dir}/${name}
      DEPENDS ${RT410_PACKAGING_DIR}/${source}
      COMMENT "Compressing ${source}"
      VERBATIM)
    list(APPEND gz_outputs ${gz_dir}/${name}.gz)
  endforeach()
  add_custom_target(rt410_packaging_files ALL DEPENDS ${gz_outputs})

  set(man1 ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${gz_dir}/rt410-cps.1.gz DESTINATION ${man1} COMPONENT cps)
  if(TARGET rt410)
    install(FILES ${gz_dir}/rt410.1.gz DESTINATION ${man1} COMPONENT cps)
  endif()
  if(TARGET rt410-radio-sim)
    install(FILES ${gz_dir}/rt410-radio-sim.1.gz DESTINATION ${man1} COMPONENT sim)
  endif()

  foreach(component_package cps:rt410-cps sim:rt410-radio-sim)
    string(REPLACE ":" ";" pair ${component_package})
    list(GET pair 0 component)
    list(GET pair 1 package)
    install(FILES ${RT410_PACKAGING_DIR}/copyright ${gz_dir}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
  endforeach()
endif()

# Debian packages: `make deb`, or `cpack -G DEB` in a build folder.
set(CPACK_PACKAGE_NAME rt410-cps)
set(CPACK_PACKAGE_VENDOR "Lindao VORLAN Electronic Co.,Ltd.")
set(CPACK_PACKAGE_CONTACT "RT410 software team <support@example.invalid>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY rt410-cps)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_COMPONENTS_ALL cps)
if(TARGET rt410-radio-sim)
  list(APPEND CPACK_COMPONENTS_ALL sim)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE rt410-cps)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_CPS_PACKAGE_NAME rt410-cps)
# Qt's own texts (file dialog, standard buttons) in Chinese come from qt6-translations-l10n.
set(CPACK_DEBIAN_CPS_PACKAGE_DEPENDS
    "fonts-wqy-microhei | fonts-noto-cjk, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_CPS_PACKAGE_SUGGESTS rt410-radio-sim)
# The first line is the synopsis; the rest is the extended description.
set(cps_description
    "programming software for RT410 series handheld radios
With a programming cable on a serial port, rt410-cps reads the whole memory
of an RT410 series handheld two-way radio, shows it for editing and writes
it back: the 16 memory channels (receive and transmit frequency, CTCSS and
DCS tones, busy-channel lockout, transmit power, bandwidth, scan
membership), the optional features, the DTMF timing and the functions of
the two side keys. It saves the memory to .chann channel files, opens them
again (also from a file manager) and adjusts the radio's two transmit power
levels live. Every caption and message is in Chinese and in English, and
every Help button shows the user's guide in the language of the captions.")
if(TARGET rt410)
  string(APPEND cps_description "

The package also holds rt410, a command-line tool that reads, writes,
verifies and clones radios from scripts, shows and compares channel files,
converts them to and from CSV in CHIRP's layout and prints a PDF channel
sheet.")
endif()
set(CPACK_DEBIAN_CPS_DESCRIPTION "${cps_description}")

set(CPACK_DEBIAN_SIM_PACKAGE_NAME rt410-radio-sim)
set(CPACK_DEBIAN_SIM_DESCRIPTION
    "simulated RT410 radio for trying rt410-cps without a radio
rt410-radio-sim plays an RT410 handheld radio on a pseudo-terminal. It
answers the radio's side of the programming protocol (wake-up,
identification, password, block reads and writes, power adjustment) at
9600-baud wire time and logs every frame. On request it misbehaves as a
faulty radio or cable would: silence, a wrong identification, short or long
replies, stray bytes, a data password, early acknowledges.

It lets dealers and developers try the program, its command-line tool and
their messages without a radio and without root. Programming real radios
does not need it.")

include(CPack)
