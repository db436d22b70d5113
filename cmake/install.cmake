# Where the program, its manual page, the README and the sample bulletins
# are installed, and the packages made of them: a .deb on Linux
# (cpack -G DEB), a zip on Windows (cpack -G ZIP).
include(GNUInstallDirs)

# The manual page carries the project's version.
configure_file(doc/orvanne-forecast.1.in orvanne-forecast.1 @ONLY)

# Debian wants the manual page and the changelog compressed, with no name or
# time in the header (-n) so that every build gives the same bytes.
function(orvanne_gzip source target)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}
    COMMAND gzip -9n -c ${source} > ${CMAKE_CURRENT_BINARY_DIR}/${target}
    DEPENDS ${source})
endfunction()

if(WIN32)
  # The zip holds the program with the README and the samples beside it.
  install(TARGETS orvanne-forecast RUNTIME DESTINATION .)
  install(FILES README.md DESTINATION .)
  # The pictures the README shows, where its links lead.
  install(FILES doc/meteogram.png doc/page.png DESTINATION doc)
  install(DIRECTORY samples/ DESTINATION samples PATTERN "*.out" EXCLUDE)
else()
  set(ORVANNE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvanne-forecast)
  install(TARGETS orvanne-forecast RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  orvanne_gzip(${CMAKE_CURRENT_BINARY_DIR}/orvanne-forecast.1
               orvanne-forecast.1.gz)
  orvanne_gzip(${CMAKE_CURRENT_SOURCE_DIR}/doc/changelog changelog.gz)
  add_custom_target(orvanne_compressed_docs ALL DEPENDS
    ${CMAKE_CURRENT_BINARY_DIR}/orvanne-forecast.1.gz
    ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/orvanne-forecast.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md doc/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
          DESTINATION ${ORVANNE_DOC_DIR})
  # The pictures the README shows, where its links lead.
  install(FILES doc/meteogram.png doc/page.png DESTINATION ${ORVANNE_DOC_DIR}/doc)
  install(DIRECTORY samples/ DESTINATION ${ORVANNE_DOC_DIR}/samples
          PATTERN "*.out" EXCLUDE)
  # The morning's run as a systemd user service and its daily timer.
  install(FILES doc/systemd/orvanne-forecast-today.service
                doc/systemd/orvanne-forecast-today.timer
          DESTINATION lib/systemd/user)
endif()

set(CPACK_PACKAGE_NAME orvanne-forecast)
set(CPACK_PACKAGE_VENDOR "Orvanne Forecast")
set(CPACK_PACKAGE_CONTACT "Orvanne Forecast developers <forecast@orvanne.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "turns station guidance bulletins into forecast reports")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanne Forecast turns plain-text station guidance bulletins (tables of
forecast values by forecast hour, as issued for numerical weather models)
into fixed-width forecast reports: a seven-day forecast for the city of
Orvanne weighted from four stations and two mixed short-range models, one
model's hourly table in Standard or Metric units with a temperature
adjustment, and the severe weather table. It runs as an interactive menu,
or as commands for scripts with an exit status: fetch takes the day's
guidance products and climate reports from the product service into an
archive, assemble cuts the bulletin out of them, today does the whole
morning (fetch, assemble, the forecast, its SVG meteogram and its record),
verify scores each guidance by lead day against the observed climate
reports and suggests the ratio, and page builds static HTML pages of the
archive. A systemd user timer runs the morning daily at 16:00 UTC.")
set(CPACK_PACKAGE_FILE_NAME
    "orvanne-forecast-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl is opened at run time, not linked, so the computed dependencies
# miss it; fetch and today need it, of 7.85 or later for the protocol
# limits the client sets (CURLOPT_PROTOCOLS_STR).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4 (>= 7.85.0)")
set(CPACK_STRIP_FILES ON)
include(CPack)
