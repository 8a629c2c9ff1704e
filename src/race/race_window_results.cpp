#include "race/race_window_results.h"

#include "platform/settings.h"
#include "platform/widgets/qt_dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace race {

CallerLine::CallerLine(QWidget *parent, const QFont &font, const QRect &geometry) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblCommentary"));
    setTextFormat(Qt::PlainText);
    setFont(font);
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    setPalette(white);
    setGeometry(geometry);
}

void CallerLine::call(const QString &line)
{
    if (line == text())
        return;
    setText(line);
    setAccessibleName(line);
}

ResultsPanel::ResultsPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("fraResults"));
    setAccessibleName(QStringLiteral("Results"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(250, 248, 240));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    auto *layout = new QVBoxLayout(this);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("lblResults"));
    text_->setTextFormat(Qt::PlainText);  // the horses' names as typed
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont print = text_->font();
    print.setBold(true);
    print.setPointSizeF(print.pointSizeF() * 1.15);
    text_->setFont(print);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdResultsOk"));
    ok_->setAccessibleName(QStringLiteral("OK"));
    layout->addWidget(text_, 1);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    connect(ok_, &QPushButton::clicked, this, [this] {
        guard_.reset();
        hide();
        emit accepted();
    });
    hide();
}

ResultsPanel::~ResultsPanel() = default;

void ResultsPanel::tell(const game::Reply &reply)
{
    if (!platform::resultsInRaceWindow()) {
        game::tell(reply);
        return;
    }
    reply.tell([this](const game::Notice &notice) {
        if (notice.buttons != platform::Buttons::Ok)
            return platform::say(notice.text, notice.icon, notice.buttons, notice.title);
        lines_ << notice.text.trimmed();
        return platform::Answer::Ok;
    });
}

bool ResultsPanel::showHeldResults()
{
    if (lines_.isEmpty())
        return false;
    text_->setText(lines_.join(QLatin1Char('\n')));
    text_->setAccessibleName(text_->text());
    const QWidget *course = parentWidget();
    const int width = course->width() * 3 / 5;
    setFixedWidth(width);
    adjustSize();
    move((course->width() - width) / 2, std::max(0, (course->height() - height()) / 2));
    guard_ = std::make_unique<platform::HeldKeyGuard>(this);
    show();
    raise();
    ok_->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace race
