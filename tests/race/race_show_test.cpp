// What a race shows and says: the caller's line from the horses' positions, the gait and frame
// each horse is drawn in, and the horse pictures in their lanes' colours.
#include "race/commentary.h"
#include "race/gallop.h"
#include "race/race_window_horse.h"
#include "support/test_main.h"

#include <QSvgRenderer>
#include <QtWidgets>

using race::Gait;

class RaceShowTest : public QObject {
    Q_OBJECT
private slots:
    // A course of 13000 from 0, 500 a length; the names go out exactly as they came in.
    void commentary()
    {
        // The positions now and at the last call, the winning lane (-1: before the start), the line.
        const QList<double> mid = {4000, 3800, 3000, 2000, 1000};
        const struct { const char *name; QList<double> now, before; int winner; QString line; } calls[] = {
            {"before the start", {0, 0, 0, 0, 900}, {}, -1, "They're lined up at the start, waiting for the off."},
            {"the off", {300, 0, 0, 0, 0}, {}, 0, "And they're off!"},
            {"a head, early", {2060, 2000, 1000, 500, 250}, {}, 0,
             "Red Rum is quickly away and leads by a head from Desert Orchard."},
            {"two lengths", {3000, 4000, 2000, 1000, 0}, {}, 0, "Desert Orchard leads by two lengths from Red Rum."},
            {"ten lengths past halfway", {1000, 2000, 4000, 500, 9000}, {}, 0,
             "Past halfway, Black Beauty leads by ten lengths from Mr Ed. <b>Whopper</b> & %2 Fries is at the back."},
            {"12 lengths", {4000, 3000, 10000, 2000, 1000}, {}, 0,
             "Into the last quarter, Mr Ed leads by 12 lengths from Red Rum."},
            {"a distance", {500, 0, 0, 11000, 0}, {}, 0,
             "Into the last quarter, <b>Whopper</b> & %2 Fries leads by a distance from Red Rum."},
            {"level", {5000, 5010, 4000, 0, 0}, {}, 0, "Desert Orchard and Red Rum are level."},
            {"closing", {4150, 3900, 3300, 2100, 1100}, mid, 0,
             "Red Rum leads by half a length from Desert Orchard. Mr Ed is closing."},
            {"closing fast", {4150, 3900, 3300, 2100, 1800}, mid, 0,
             "Red Rum leads by half a length from Desert Orchard. Black Beauty is closing fast."},
            {"drawing clear", {4600, 3950, 3150, 2150, 1150}, mid, 0,
             "Red Rum leads by a length from Desert Orchard and is drawing clear."},
            {"a new leader", {3350, 3200, 1000, 1000, 1000}, {3000, 3100, 900, 900, 900}, 0,
             "Red Rum goes to the front by a neck from Desert Orchard."},
            {"coming to the line", {11500, 12000, 10000, 9000, 12500}, {}, 0,
             "Black Beauty in front as they come to the line, a length clear of Desert Orchard."},
            {"past the post, not yet called", {13100, 12100, 11600, 11350, 11100}, {}, 0,
             "Red Rum is first past the post, two lengths clear of Desert Orchard."},
            {"won by a neck", {12000, 12500, 12650, 1000, 1000}, {}, 3, "Mr Ed wins it by a neck!"},
            {"won by two lengths", {12990, 11990, 11490, 11240, 10990}, {}, 1, "Red Rum wins it by two lengths!"},
            {"won by a short head", {9000, 9100, 9000, 9140, 8000}, {}, 4, "<b>Whopper</b> & %2 Fries wins it by a short head!"},
            {"a photo finish", {12000, 12010, 0, 0, 0}, {}, 2, "Desert Orchard wins it in a photo finish!"},
            {"given to a horse behind", {9000, 8000, 7000, 6000, 8500}, {}, 5, "The race is given to Black Beauty!"},
        };
        for (const auto &call : calls) {
            race::RaceView view;
            view.names = {"Red Rum", "Desert Orchard", "Mr Ed", "<b>Whopper</b> & %2 Fries", "Black Beauty"};
            view.positions = call.now, view.previous = call.before, view.finish = 13000;
            view.started = call.winner >= 0, view.winner = std::max(call.winner, 0);
            QCOMPARE(call.name + (": " + race::commentary(view)), call.name + (": " + call.line));
        }
    }

    // A stride is 300 twips, six frames of 50; each lane starts a fifth of a stride on from the last.
    void gallop()
    {
        // The lane, started, past the post, covered, ms past the post; each of the ticks adds `step` to
        // the distance covered, or past the post to the time; the pose after the ticks, and how often
        // the frame changed on the way.
        const struct { const char *name; int lane; bool started, pastPost; double covered; int ms, step, ticks;
                       Gait gait; int frame, changes; } steps[] = {
            {"standing before the start, drugged or not", 1, false, false, 900, 0, 0, 0, Gait::Standing, 0, 0},
            {"standing until it moves off", 2, true, false, 0, 0, 0, 0, Gait::Standing, 0, 0},
            {"away: the first frame", 1, true, false, 10, 0, 0, 0, Gait::Gallop, 0, 0},
            {"the next frame 50 twips on", 1, true, false, 50, 0, 0, 0, Gait::Gallop, 1, 0},
            {"the last frame", 1, true, false, 299, 0, 0, 0, Gait::Gallop, 5, 0},
            {"a stride comes round", 1, true, false, 300, 0, 0, 0, Gait::Gallop, 0, 0},
            {"lane 3 out of step", 3, true, false, 10, 0, 0, 0, Gait::Gallop, 2, 0},
            {"10 twips a tick: 10 strides in 300 ticks", 1, true, false, 1, 0, 10, 300, Gait::Gallop, 0, 60},
            {"four times as fast: 40 strides", 1, true, false, 1, 0, 40, 300, Gait::Gallop, 0, 240},
            {"a trot past the post", 1, true, true, 13000, 0, 0, 0, Gait::Trot, 0, 0},
            {"a trot frame every 150 ms", 1, true, true, 13000, 0, 50, 12, Gait::Trot, 0, 4},
            {"lane 2's trot out of step", 2, true, true, 9000, 300, 0, 0, Gait::Trot, 3, 0},
        };
        for (const auto &step : steps) {
            race::Running horse{step.lane, step.started, step.covered, step.pastPost, step.ms};
            race::Pose pose = race::horsePose(horse);
            int changes = 0;
            for (int tick = 0; tick < step.ticks; ++tick) {
                step.pastPost ? horse.msPastPost += step.step : horse.covered += step.step;
                const race::Pose next = race::horsePose(horse);
                changes += next != pose, pose = next;
            }
            QVERIFY2(pose == (race::Pose{step.gait, step.frame}) && changes == step.changes, step.name);
        }
    }

    // Every frame is drawn in its lane's silks and in no other lane's; a frame out of range goes round,
    // and the two strides of old are the gallop stretched out and gathered.
    void horsePictures()
    {
        const QRgb silks[] = {0xffd62828, 0xff1d4ed8, 0xfff5c518, 0xff7b2cbf, 0xfff77f00};
        for (int lane = 1; lane <= 5; ++lane)
            for (const auto &[gait, frames] : {std::pair{Gait::Standing, 1}, {Gait::Gallop, 6}, {Gait::Trot, 4}})
                for (int frame = 0; frame < frames; ++frame) {
                    QImage image(110, 94, QImage::Format_ARGB32);
                    image.fill(Qt::transparent);
                    QPainter painter(&image);
                    QSvgRenderer(race::horseSvg({gait, frame}, lane)).render(&painter);
                    painter.end();
                    int seen[5] = {};
                    for (int y = 0; y < image.height(); ++y)
                        for (int x = 0; x < image.width(); ++x)
                            for (int other = 0; other < 5; ++other)
                                seen[other] += image.pixel(x, y) == silks[other];
                    for (int other = 1; other <= 5; ++other)
                        QVERIFY2((seen[other - 1] > 20) == (other == lane), qPrintable(QString("lane %1").arg(lane)));
                }
        race::HorsePicture picture(2, nullptr);
        QCOMPARE(picture.pose(), (race::Pose{Gait::Standing, 0}));
        const std::pair<race::Pose, race::Pose> poses[] = {{{Gait::Gallop, 7}, {Gait::Gallop, 1}},
                                                           {{Gait::Trot, -1}, {Gait::Trot, 3}},
                                                           {{Gait::Standing, 2}, {Gait::Standing, 0}}};
        for (const auto &[asked, shown] : poses) {
            picture.setPose(asked);
            QCOMPARE(picture.pose(), shown);
        }
        for (auto [stride, frame] : {std::pair{1, 5}, {0, 3}}) {
            picture.setStride(stride);
            QCOMPARE(picture.pose(), (race::Pose{Gait::Gallop, frame}));
        }
    }
};

PADDOX_TEST(RaceShowTest)
#include "race_show_test.moc"
