#pragma once
// The maker's addresses: banner lines, the home page, the About window and the update check.
namespace platform {
inline constexpr const char *makerWebAddress = "http://www.tamblor.example";
}
