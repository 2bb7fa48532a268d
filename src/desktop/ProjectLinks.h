#pragma once

// The addresses the about box shows and opens. A packager sets their own
// with -DCHRONIDEX_CONTACT_EMAIL=... and -DCHRONIDEX_HOME_PAGE=... (the web
// address without a scheme), or edits them here.
#ifndef CHRONIDEX_CONTACT_EMAIL
#define CHRONIDEX_CONTACT_EMAIL "chronidex@example.org"
#endif
#ifndef CHRONIDEX_HOME_PAGE
#define CHRONIDEX_HOME_PAGE "www.example.org/chronidex"
#endif

namespace projectlinks {
inline constexpr const char* kEmail = CHRONIDEX_CONTACT_EMAIL;
inline constexpr const char* kHomePage = CHRONIDEX_HOME_PAGE;
}  // namespace projectlinks
