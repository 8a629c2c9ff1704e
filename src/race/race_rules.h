#pragma once
// The rules of an ordinary race: head starts, finishing posts, the step of a
// tick, where a horse's picture stands, and the banner lines.
#include <QString>

namespace race {

inline constexpr int laneCount = 5;
inline constexpr int progressMaximum = 13000;  // a progress bar's range is 0..13000
inline constexpr int progressStep = 10;        // one tick moves a horse this far
inline constexpr int drugLead = 900;           // where a drugged horse starts
inline constexpr int pictureLeftOffset = 30;   // twips between a horse's progress and its picture's Left

// The head start of `lane` when `drawnWinner` is the drawn winner: 2000 for the
// winner, then 1000, 500, 250 and 0 counting on from it and wrapping from 5 to 1.
int headStart(int lane, int drawnWinner);

// The progress a horse must reach to finish: 12988, except 12998 for horse 3.
int finishThreshold(int lane);

// One tick of a horse: true when the horse has already reached its threshold
// (it finishes and the race is settled); otherwise its progress moves on a step.
bool tickFinishes(int lane, int &progress);

// The Left of a horse's picture, in twips, for its progress value.
inline int pictureLeftTwips(int progress) { return progress + pictureLeftOffset; }

// The number of ticks a horse starting at `start` needs to finish.
int ticksToFinish(int lane, int start);

// The banner line for a draw k of 1..6; k = 6 (or anything else) keeps `current`.
QString bannerText(int k, const QString &current);

}  // namespace race
