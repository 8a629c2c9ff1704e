#include "app/window_registry.h"

#include "app/splash_window.h"
#include "office/betting_office_window.h"

#include <QList>

namespace app::detail {
namespace {
QList<QPointer<QWidget>> &all()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}
}  // namespace

void remember(QWidget *window)
{
    all().removeAll(nullptr);
    all().append(window);
}
}  // namespace app::detail

namespace app {
void destroyAllWindows()
{
    const auto windows = detail::all();
    detail::all().clear();
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
}

void startGame() { window<SplashWindow>()->show(); }

void openBettingOffice() { window<BettingOfficeWindow>(); }

void showBettingOffice() { window<BettingOfficeWindow>()->show(); }
}  // namespace app
