#pragma once
// A control as every window lays out its own: named as the game's documents name it (tests and
// assistive tools find it by that name) and put at its place on the window.
#include <QRect>
#include <QString>

namespace platform {

// A control or timer, named where it is made.
template <class W>
W *called(W *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

template <class W>
W *placed(W *control, const QString &name, const QRect &geometry)
{
    platform::called(control, name)->setGeometry(geometry);
    return control;
}

}  // namespace platform
