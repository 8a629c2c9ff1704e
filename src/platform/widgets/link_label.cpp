#include "platform/widgets/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // reachable from the keyboard: Space or Enter clicks it
    setStyleSheet(QStringLiteral("color: #0645ad;"));
}

void LinkLabel::setUnderlined(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

bool LinkLabel::underlined() const { return font().underline(); }

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    setUnderlined(true);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    setUnderlined(!underlined());
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LinkLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

}  // namespace platform
