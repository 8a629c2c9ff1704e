#pragma once
// The betting office's small helpers for making its controls, shared by the files of its tabs.
#include "platform/widgets/placed.h"
#include "platform/widgets/typed_combo.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace office {

// A label; names from files and players are shown as typed, never as markup.
inline QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = platform::placed(new QLabel(text, parent), name, geometry);
    l->setTextFormat(Qt::PlainText);
    return l;
}

inline QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                           const QString &icon = QString())
{
    auto *b = platform::placed(new QPushButton(text, parent), name, geometry);
    if (!icon.isEmpty())
        b->setIcon(QIcon(icon));
    return b;
}

inline QFont bolder(QFont font, int pointDelta = 0)
{
    font.setBold(true);
    if (pointDelta && font.pointSize() > 0)
        font.setPointSize(font.pointSize() + pointDelta);
    return font;
}

// A stake picker: a drop-down of the stake list that keeps exactly what the player types.
inline QComboBox *stakePicker(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *picker = platform::called(new QComboBox(parent), name);
    platform::keepTypedText(picker);
    picker->setMaxVisibleItems(10);
    // A stake is a few digits; the limit keeps a pasted page of text out of the messages.
    picker->lineEdit()->setMaxLength(50);
    picker->setAccessibleName(accessibleName);
    return picker;
}

}  // namespace office
