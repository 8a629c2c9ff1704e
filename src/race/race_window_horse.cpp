#include "race/race_window_horse.h"

#include "platform/widgets/svg_picture.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>

#include <iterator>
#include <map>

namespace race {

namespace {

// Each lane's horse: its coat, the shade of its far legs, its mane and tail, its jockey's silks and
// the stripe across them. The frames are drawn with lane 1's colours in their stylesheet.
struct LaneColours {
    const char *coat, *shade, *mane, *silks, *stripe;
};
constexpr LaneColours laneColours[] = {
    {"#8b5a2b", "#6b4220", "#2b1a0c", "#d62828", "#ffffff"},
    {"#a0522d", "#7d3f22", "#6e3512", "#1d4ed8", "#ffffff"},
    {"#5c3a1e", "#452b16", "#1c120a", "#f5c518", "#1b1b1b"},
    {"#a3a3a3", "#7f7f7f", "#e8e8e8", "#7b2cbf", "#ffffff"},
    {"#7a4a24", "#5b371b", "#2b1a0c", "#f77f00", "#1b1b1b"},
};
constexpr int lanes = int(std::size(laneColours));

Pose normalised(Pose pose)
{
    const int count = frameCount(pose.gait);
    pose.frame = (pose.frame % count + count) % count;
    return pose;
}

QString frameFile(Pose pose)
{
    switch (pose.gait) {
    case Gait::Gallop: return QStringLiteral(":/race/horse_gallop%1.svg").arg(pose.frame + 1);
    case Gait::Trot: return QStringLiteral(":/race/horse_trot%1.svg").arg(pose.frame + 1);
    case Gait::Standing: break;
    }
    return QStringLiteral(":/race/horse_stand.svg");
}

}  // namespace

QByteArray horseSvg(Pose pose, int lane)
{
    static QHash<QString, QString> drawings;  // each frame's SVG, read once
    const QString file = frameFile(normalised(pose));
    auto found = drawings.find(file);
    if (found == drawings.end()) {
        QFile svg(file);
        found = drawings.insert(file, svg.open(QIODevice::ReadOnly) ? QString::fromUtf8(svg.readAll()) : QString());
    }
    const int index = (lane >= 1 && lane <= lanes) ? lane - 1 : 0;
    const LaneColours &c = laneColours[index];
    const QString style = QStringLiteral("<style type=\"text/css\">.coat{fill:%1}.coatline{stroke:%1}.shade{fill:%2}"
                                         ".shadeline{stroke:%2}.mane{fill:%3}.silks{fill:%4}.silksline{stroke:%4}"
                                         ".stripe{stroke:%5}</style>")
                              .arg(QLatin1String(c.coat), QLatin1String(c.shade), QLatin1String(c.mane),
                                   QLatin1String(c.silks), QLatin1String(c.stripe));
    static const QRegularExpression styleElement(QStringLiteral("<style[^>]*>[^<]*</style>"));
    static const QRegularExpression number(QStringLiteral("(<text id=\"number\"[^>]*>)[^<]*(</text>)"));
    QString text = *found;
    text.replace(styleElement, style);
    text.replace(number, QStringLiteral("\\1%1\\2").arg(index + 1));
    return text.toUtf8();
}

HorsePicture::HorsePicture(int lane, QWidget *parent) : QWidget(parent), lane_(lane)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HorsePicture::setPose(Pose pose)
{
    pose = normalised(pose);
    if (pose != pose_) {
        pose_ = pose;
        update();
    }
}

void HorsePicture::setStride(int stride)
{
    setPose(Gait::Gallop, stride ? gatheredFrame : stretchedFrame);
}

const QPixmap &HorsePicture::frame(Pose pose)
{
    // Every picture of the game shares one set of frames: a lane's frame at a size and a pixel
    // ratio is drawn the first time it is shown, by whichever race shows it first, and kept for
    // the rest of the game: never freed, so no picture is destroyed after the application is gone.
    // A map, not a QHash: its pictures stay where they are while others are added, so the
    // pointers each horse keeps in frames_ stay good.
    static auto &frames = *new std::map<QString, QPixmap>;
    const qreal ratio = devicePixelRatioF();
    if (size() != framesSize_) {
        frames_.fill(nullptr);
        framesSize_ = size();
    }
    pose = normalised(pose);
    const int slot = pose.gait == Gait::Standing ? 0
                     : pose.gait == Gait::Gallop ? 1 + pose.frame
                                                 : 1 + gallopFrames + pose.frame;
    if (const QPixmap *known = frames_[slot]; known && known->devicePixelRatio() == ratio)
        return *known;
    const QString key = QStringLiteral("%1 %2 %3 %4x%5 %6")
                            .arg(lane_)
                            .arg(int(pose.gait))
                            .arg(pose.frame)
                            .arg(width())
                            .arg(height())
                            .arg(ratio);
    auto found = frames.find(key);
    if (found == frames.end())
        found = frames.emplace(key, platform::svgPixmap(horseSvg(pose, lane_), size(), ratio)).first;
    frames_[slot] = &found->second;
    return found->second;
}

void HorsePicture::prepareFrames()
{
    for (const Gait gait : {Gait::Standing, Gait::Gallop, Gait::Trot})
        for (int frame = 0; frame < frameCount(gait); ++frame)
            this->frame(Pose{gait, frame});
}

void HorsePicture::paintEvent(QPaintEvent *) { QPainter(this).drawPixmap(0, 0, frame()); }

}  // namespace race
