#pragma once
// One instance per window class: created on first use, handed out to every
// caller, forgotten when the window is destroyed.
#include <QPointer>
#include <QWidget>

namespace app {

namespace detail {
template <class W>
QPointer<W> &slot()
{
    static QPointer<W> instance;
    return instance;
}
void remember(QWidget *window);
}  // namespace detail

// The window of class W, created (and so loaded) if it does not exist yet.
template <class W>
W *window()
{
    QPointer<W> &instance = detail::slot<W>();
    if (!instance) {
        instance = new W;
        instance->setAttribute(Qt::WA_DeleteOnClose);
        detail::remember(instance);
    }
    return instance;
}

// The window of class W if it exists, without creating it.
template <class W>
W *existingWindow()
{
    return detail::slot<W>().data();
}

// Destroys every window the registry handed out (tests start each case afresh).
void destroyAllWindows();

// The game's way in, defined in app/game_flow.cpp, where the game's windows are known:
// the splash opens the game, as the program does at start-up;
void startGame();
// the sign-in hands the signed-in player over to the betting office: made (and so loaded) on first
// use, then shown.
void openBettingOffice();
void showBettingOffice();

}  // namespace app
