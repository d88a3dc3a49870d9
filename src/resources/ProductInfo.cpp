// The version and licence the build passes in (only this file carries them, so a new version
// recompiles nothing else).
#include "resources/ProductInfo.h"

namespace quillon {

const char* QuillonVersion() noexcept
{
    return QUILLON_VERSION;
}

const char* QuillonLicence() noexcept
{
    return QUILLON_LICENCE;
}

} // namespace quillon
