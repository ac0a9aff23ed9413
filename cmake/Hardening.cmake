# SPDX-License-Identifier: Apache-2.0
# The programs read files an opponent may have crafted, so they are built with the protections Debian
# gives its own packages (dpkg-buildflags with hardening=+all): a strong stack protector, checked C
# library calls, full RELRO with immediate binding, position-independent executables, and control-flow
# protection where the compiler has it. A sanitizer or fuzz build leaves them out: the sanitizers
# bring their own checks, and the fortified calls would hide accesses from them.
include(CheckCXXCompilerFlag)

option(QUORLITH_HARDEN "Build with the distribution's hardening flags" ON)

if(QUORLITH_HARDEN AND NOT QUORLITH_SANITIZE AND NOT QUORLITH_BUILD_FUZZ)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # The checked calls need the optimiser; a Debug build would only get the C library's warning.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    check_cxx_compiler_flag(-fcf-protection QUORLITH_HAS_CF_PROTECTION)
    if(QUORLITH_HAS_CF_PROTECTION)
        add_compile_options(-fcf-protection)
    endif()
    if(WIN32)
        # MinGW keeps the stack protector's and the checked calls' support in libssp; the PE header's
        # ASLR, DEP and high-entropy flags are the linker's defaults and stay set.
        add_link_options(-fstack-protector-strong)
        link_libraries(ssp)
    else()
        set(CMAKE_POSITION_INDEPENDENT_CODE ON)
        include(CheckPIESupported)
        check_pie_supported()
        add_link_options(-Wl,-z,relro -Wl,-z,now)
    endif()
endif()
