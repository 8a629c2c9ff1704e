#pragma once
// The maker's addresses: banner lines, the home page, the About window and the update check.
namespace platform {
inline constexpr const char *makerWebAddress = "http://www.tamblor.example";
// The maker's home page (the toolbar's "QUARN" button and the About window's link).
inline constexpr const char *makerHomePage = "http://www.tamblor.example/";
// Where a new version of the game can be downloaded.
inline constexpr const char *makerDownloadPage = "http://www.tamblor.example/paddox";
// The file holding the code of the latest version.
inline constexpr const char *makerVersionFile = "http://www.tamblor.example/paddoxver.txt";
// The maker's web host, as the new-version notice names it.
inline constexpr const char *makerWebHost = "www.tamblor.example";
}  // namespace platform
