// What a race shows: the gait and frame each horse is drawn in, and the horse pictures in their
// lanes' colours.
#include "race/gallop.h"
#include "race/race_window_horse.h"
#include "support/test_main.h"

#include <QSvgRenderer>
#include <QtWidgets>

namespace {
using race::Gait;

struct Step {
    const char *name;
    int lane;
    bool started, pastPost;
    double covered;
    int ms, step, ticks;  // each tick adds `step` to the distance covered, or past the post to the time
    Gait gait;
    int frame, changes;   // the pose after the ticks; how often the frame changed on the way
};
}  // namespace
Q_DECLARE_METATYPE(Step)

class RaceShowTest : public QObject {
    Q_OBJECT
private slots:
    // A stride is 300 twips, six frames of 50; each lane starts a fifth of a stride on from the last.
    void gallop_data()
    {
        QTest::addColumn<Step>("step");
        const Step steps[] = {
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
        for (const Step &step : steps)
            QTest::newRow(step.name) << step;
    }
    void gallop()
    {
        QFETCH(Step, step);
        race::Running horse{step.lane, step.started, step.covered, step.pastPost, step.ms};
        race::Pose pose = race::horsePose(horse);
        int changes = 0;
        for (int tick = 0; tick < step.ticks; ++tick) {
            if (step.pastPost)
                horse.msPastPost += step.step;
            else
                horse.covered += step.step;
            const race::Pose next = race::horsePose(horse);
            changes += next != pose;
            pose = next;
        }
        QCOMPARE(int(pose.gait), int(step.gait));
        QCOMPARE(pose.frame, step.frame);
        QCOMPARE(changes, step.changes);
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
