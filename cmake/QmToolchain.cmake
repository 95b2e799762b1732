# Compile and link speed shared by every tree.

# The standard library makes up most of what each source reads (its own text is a small part): every library
# and test suite reads these headers once, precompiled, instead of in every source.
set(QM_STD_PRECOMPILED_HEADERS <algorithm> <array> <cmath> <cstdint> <cstdlib> <cstring> <filesystem>
    <functional> <limits> <map> <memory> <optional> <stdexcept> <string> <string_view> <utility> <vector>)

# qm_precompile_std_headers(<target> [more headers...])
function(qm_precompile_std_headers target)
    target_precompile_headers(${target} PRIVATE ${QM_STD_PRECOMPILED_HEADERS} ${ARGN})
endfunction()

# The LLVM linker links the large test programs several times faster than the default one.
find_program(QM_LLD ld.lld)
if(QM_LLD)
    add_link_options(-fuse-ld=lld)
endif()
