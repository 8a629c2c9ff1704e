#include "platform/widgets/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>

namespace platform {

namespace {
QWidget *activeParent() { return QApplication::activeWindow(); }
QString titleOr(const QString &title) { return title.isEmpty() ? QString::fromLatin1(programTitle) : title; }

}  // namespace

HeldKeyGuard::HeldKeyGuard(QWidget *box) : box_(box) { qApp->installEventFilter(this); }

HeldKeyGuard::~HeldKeyGuard() { qApp->removeEventFilter(this); }

bool HeldKeyGuard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != box_ && !box_->isAncestorOf(widget)))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const std::pair stroke{key->key(), key->timestamp()};
    // The X server sends a held key's repeats as a release and a press at one moment, and they are
    // not always marked as repeats: such a press is a repeat too, even when the release went to the
    // box before this one.
    const bool repeat =
        key->isAutoRepeat() || (type != QEvent::KeyRelease && stroke.second != 0 && stroke == lastRelease_);
    if (type == QEvent::KeyRelease && !key->isAutoRepeat())
        lastRelease_ = stroke;
    if (!repeat) {
        if (type == QEvent::KeyPress)
            pressedHere_.insert(stroke.first);
        if (type != QEvent::KeyRelease || pressedHere_.contains(stroke.first))
            return false;
    } else if (pressedHere_.contains(stroke.first) && typing(widget, stroke.first)) {
        return false;
    }
    key->accept();  // taken here: it goes no further, and runs no shortcut
    return true;
}

bool HeldKeyGuard::typing(const QWidget *widget, int key)
{
    return qobject_cast<const QLineEdit *>(widget) && key != Qt::Key_Return && key != Qt::Key_Enter &&
           key != Qt::Key_Escape;
}

Answer QtDialogs::message(const QString &text, Icon icon, Buttons buttons, const QString &title)
{
    QMessageBox box(activeParent());
    box.setWindowTitle(titleOr(title));
    box.setTextFormat(Qt::PlainText);  // names inside a message are shown as typed
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    const HeldKeyGuard guard(&box);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default:  // closed with Escape or the close box: the box's safe answer
        return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
}

std::optional<QString> QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultText,
                                        bool password)
{
    QInputDialog dialog(activeParent());
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    const HeldKeyGuard guard(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

}  // namespace platform
