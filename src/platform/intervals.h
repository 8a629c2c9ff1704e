#pragma once
// Every timer interval of the game, and the pace at which the desktop fires timers.
#include <algorithm>

namespace platform {

// The desktop this game was designed for fires timers at most every 16 ms:
// a timer that asks for less fires every 16 ms. Longer intervals run as asked.
inline constexpr int timerResolutionMs = 16;
inline constexpr int effectiveInterval(int requestedMs) { return std::max(requestedMs, timerResolutionMs); }

inline constexpr int splashMs = 2000;          // splash window
inline constexpr int signInHandOverMs = 1;     // sign-in window hands over to the betting office
inline constexpr int saveDisplayTickMs = 1;    // betting office save progress display
inline constexpr int updateCheckMs = 2000;     // automatic update check
inline constexpr int horseTickMs = 1;          // each horse of an ordinary race
inline constexpr int raceBannerMs = 1000;      // race banner
inline constexpr int raceCommentaryMs = 250;   // the race caller's line under the course
inline constexpr int trotTickMs = 50;          // horses easing to a trot past the line
inline constexpr int grandNationalFrameMs = 16;        // a frame of the Grand National's playback
inline constexpr int grandNationalPlaybackMs = 15000;  // the whole Grand National, played back
inline constexpr int spaceHeldSpeedUp = 4;     // Space held (or "Fast") runs a race this many times as fast
inline constexpr int hallCountdownMs = 999;    // hall of fame countdown
inline constexpr int consoleLifetimeMs = 1;    // administration console
inline constexpr int fetchTimeoutMs = 10000;   // the longest a web fetch may take, start to end
inline constexpr int consoleLifetimeTicks = 1000;  // the console closes itself after this many ticks

}  // namespace platform
