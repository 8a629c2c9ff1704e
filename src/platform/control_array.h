#pragma once
// The game's numbered controls (horses 1..5, slots 1..5, lanes 1..5) are
// separate members; this picks the one with a given number, or none.
#include <initializer_list>

namespace platform {

template <class Control>
Control *numbered(int number, std::initializer_list<Control *> controls)
{
    if (number < 1 || number > static_cast<int>(controls.size()))
        return nullptr;
    return controls.begin()[number - 1];
}

}  // namespace platform
