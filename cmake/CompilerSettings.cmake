# Settings shared by every target of the project.
add_library(project_settings INTERFACE)
target_compile_features(project_settings INTERFACE cxx_std_20)
# src/ is the include root: an include names its layer ("toolkit/Button.h").
target_include_directories(project_settings INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(project_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(project_settings INTERFACE -Wall -Wextra -pedantic)
endif()
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(project_settings INTERFACE -Wself-assign)
endif()

option(WITH_SANITIZERS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(WITH_SANITIZERS)
    target_compile_options(project_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(project_settings INTERFACE -fsanitize=address,undefined)
endif()

# Hardening, as Debian builds its packages: position-independent executables,
# a stack protector, checked string and memory functions, and relocations made
# read-only at start-up (full RELRO with immediate binding).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WITH_SANITIZERS)
    target_compile_options(project_settings INTERFACE -fstack-protector-strong)
    # _FORTIFY_SOURCE needs the optimiser.
    target_compile_definitions(project_settings INTERFACE
        $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    target_link_options(project_settings INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()
