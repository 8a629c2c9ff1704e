#pragma once
// The race caller: one line of plain text about a race, worked out from where the horses are, so
// it can be shown under the course and read out by a screen reader. Before the race is over it
// knows nothing but the positions it is given; the result is called only once the window says so.
#include <QList>
#include <QString>
#include <QStringList>

namespace race {

// A length, in twips of the course (the ordinary race's progress values and the Grand National's
// Lefts are both twips). The horses on the screen move at a small fraction of a real horse's speed
// for their size, so a length is taken from the races themselves rather than from the 1650-twip
// picture: at 500 the ordinary race's head starts of 2000, 1000, 500 and 250 are four, two, one
// and half a length, and its drawn winner runs two lengths clear of the next horse, margins a
// racegoer hears every day; the Grand National's field, a length or two apart on average, is
// called by the head, the neck and the length as its horses swap places.
inline constexpr double lengthTwips = 500;

struct RaceView {
    QStringList names;        // lane by lane, shown exactly as they are
    QList<double> positions;  // lane by lane: how far on each horse is now (further on is more)
    QList<double> previous;   // the positions at the last call; empty at the first call of the race
    double start = 0;         // where the horses start from
    double finish = 0;        // where a horse reaches the line
    double length = lengthTwips;
    bool started = false;
    // The winning lane (1-based) once the winner's picture is seen to have crossed the line; 0 before.
    int winner = 0;
};

// Before the start, the off, the leader and its margin over the next horse as the race goes on,
// a horse closing on the leader or a leader drawing clear, the run to the line, and the result.
QString commentary(const RaceView &race);

}  // namespace race
