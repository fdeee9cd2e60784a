# Release builds are hardened the way Debian builds its own packages (the
# flags dpkg-buildflags gives): fortified libc calls, a stack protector,
# format strings checked, relocations made read-only and bound at start, and
# position-independent executables for address randomisation.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options("$<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2;-fstack-protector-strong;-Wformat;-Werror=format-security>")
add_link_options("$<$<CONFIG:Release>:-Wl,-z,relro;-Wl,-z,now>")
