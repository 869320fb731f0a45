# Settings every target of ours shares: warnings, and the sanitizers when asked for.
function(quorlin_target_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wimplicit-fallthrough
        $<$<CXX_COMPILER_ID:GNU>:-Wsuggest-override>)
    if(QUORLIN_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=${QUORLIN_SANITIZE} -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=${QUORLIN_SANITIZE})
    endif()
endfunction()

# Qt-facing targets: no implicit conversions from 8-bit strings, so every text says its encoding.
function(quorlin_qt_target_defaults target)
    quorlin_target_defaults(${target})
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                                 QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()
