# Who ships the program: every file that names the vendor (the desktop and
# AppStream ids, the About window's links, the Debian package's maintainer and
# homepage, the manual pages, the changelog and copyright) is written from
# these values. To ship under another name, set them when configuring, e.g.
#   cmake --preset release -DPRONOS_VENDOR_ID=org.example.team \
#         "-DPRONOS_MAINTAINER=Team <team@example.org>" ...
set(PRONOS_VENDOR_ID "com.example.zeltmark" CACHE STRING
    "reverse-DNS prefix of the desktop and AppStream ids (<prefix>.pronos, <prefix>.pronosfull)")
set(PRONOS_MAINTAINER "Zeltmark <pronos@example.com>" CACHE STRING
    "the Debian package's maintainer and the upstream contact: Name <address>")
set(PRONOS_HOMEPAGE "https://www.example.com/zeltmark/" CACHE STRING
    "the maker's site: the package's homepage and the About window's first link")
set(PRONOS_DOWNLOAD_PAGE "https://www.example.org/descargas/pronos/" CACHE STRING
    "where the program is offered: the About window's second link")
set(PRONOS_SCREENSHOTS "${PRONOS_HOMEPAGE}pronos/" CACHE STRING
    "the folder the AppStream screenshots (main-window.png, team-window.png) are published in")

# Each edition's ids and its fixed window class (WM_CLASS, StartupWMClass).
set(PRONOS_DEMO_ID "${PRONOS_VENDOR_ID}.pronos")
set(PRONOS_FULL_ID "${PRONOS_VENDOR_ID}.pronosfull")
set(PRONOS_DEMO_WINDOW_CLASS "Pronos-DEMO")
set(PRONOS_FULL_WINDOW_CLASS "Pronos")

configure_file(${CMAKE_CURRENT_LIST_DIR}/VendorIdentity.h.in ${CMAKE_BINARY_DIR}/generated/core/VendorIdentity.h @ONLY)
