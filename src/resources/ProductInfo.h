// What the program says about itself: its version and its licence, set once by the build.
#pragma once

namespace quillon {

// The project version, "major.minor.patch".
const char* QuillonVersion() noexcept;
// The licence the program is distributed under, as an SPDX expression.
const char* QuillonLicence() noexcept;

} // namespace quillon
