#include "app/window_registry.h"


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

}  // namespace app
